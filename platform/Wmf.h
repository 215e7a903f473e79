#pragma once
// Our own 16-bit Windows Metafile: the format's vocabulary (WmfFormat.h), a
// recorder that writes the published records with its object table
// (WmfEnregistreur.h), a reader and a player that paints a metafile on a
// QPainter (WmfLecteur.h), and the standard and placeable files
// (WmfFichier.h).
#include "platform/WmfEnregistreur.h"
#include "platform/WmfFichier.h"
#include "platform/WmfFormat.h"
#include "platform/WmfLecteur.h"

#include "platform/formes/DialoguePolice.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelmo {
namespace {

struct CouleurNommee {
    const char* nom;
    int r, g, b;
};

// The colours the old font dialog offered, in its order.
constexpr CouleurNommee couleurs[] = {
    {"Noir", 0, 0, 0},         {"Marron", 128, 0, 0},      {"Vert", 0, 128, 0},       {"Olive", 128, 128, 0},
    {"Bleu marine", 0, 0, 128}, {"Violet", 128, 0, 128},    {"Sarcelle", 0, 128, 128}, {"Gris", 128, 128, 128},
    {"Argent", 192, 192, 192}, {"Rouge", 255, 0, 0},       {"Citron vert", 0, 255, 0}, {"Jaune", 255, 255, 0},
    {"Bleu", 0, 0, 255},       {"Fuchsia", 255, 0, 255},   {"Turquoise", 0, 255, 255}, {"Blanc", 255, 255, 255},
};

QIcon pastille(const QColor& c)
{
    QPixmap p(16, 12);
    p.fill(c);
    return QIcon(p);
}

} // namespace

DialoguePolice::DialoguePolice(const Police& initiale, QWidget* parent)
    : QDialog(parent), fonte_(new QFontDialog(this)), couleur_(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("Police"));
    fonte_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonte_->setWindowFlags(Qt::Widget);
    QFont f(initiale.nom);
    f.setPointSizeF(initiale.taille > 0 ? initiale.taille : 8.25);
    f.setBold(initiale.gras);
    f.setItalic(initiale.italique);
    f.setUnderline(initiale.souligne);
    f.setStrikeOut(initiale.barre);
    fonte_->setCurrentFont(f);

    int choisie = -1;
    for (const CouleurNommee& c : couleurs) {
        const QColor q(c.r, c.g, c.b);
        couleur_->addItem(pastille(q), QString::fromUtf8(c.nom), q);
        if (q.rgb() == initiale.couleur.rgb())
            choisie = couleur_->count() - 1;
    }
    if (choisie < 0) {
        couleur_->addItem(pastille(initiale.couleur), QStringLiteral("Personnalisée"), initiale.couleur);
        choisie = couleur_->count() - 1;
    }
    couleur_->setCurrentIndex(choisie);

    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    boutons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* ligne = new QHBoxLayout;
    ligne->addWidget(new QLabel(QStringLiteral("Couleur :"), this));
    ligne->addWidget(couleur_, 1);
    auto* l = new QVBoxLayout(this);
    l->addWidget(fonte_);
    l->addLayout(ligne);
    l->addWidget(boutons);
}

Police DialoguePolice::police() const
{
    const QFont f = fonte_->currentFont();
    Police p;
    p.nom = f.family();
    p.taille = f.pointSizeF();
    p.gras = f.bold();
    p.italique = f.italic();
    p.souligne = f.underline();
    p.barre = f.strikeOut();
    p.couleur = couleur_->currentData().value<QColor>();
    return p;
}

std::optional<Police> DialoguePolice::Demande(const Police& initiale, QWidget* parent)
{
    DialoguePolice d(initiale, parent);
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return d.police();
}

} // namespace kelmo

#include "platform/formes/DialoguesQt.h"
#include "platform/Chemins.h"
#include "platform/formes/DialoguePolice.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QFontDatabase>
#include <QIdentityProxyModel>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QTreeView>
#include <algorithm>

namespace kelmo {
namespace {

// A box asked for in the middle of a command shows the arrow, not the
// command's hourglass, for as long as it is open.
class FlechePendantDialogue {
public:
    FlechePendantDialogue() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~FlechePendantDialogue() { QApplication::restoreOverrideCursor(); }
    FlechePendantDialogue(const FlechePendantDialogue&) = delete;
    FlechePendantDialogue& operator=(const FlechePendantDialogue&) = delete;
};

const QLocale& francais()
{
    static const QLocale l(QLocale::French, QLocale::France);
    return l;
}

// Qt's file list names the types of files from the MIME database in the
// default locale's language, and its own thread reads that locale while it
// lists a folder. So the default is French from before the chooser is made
// until after it is gone (its thread with it); the program's number rules
// never read the default locale and stay as they were.
class FrancaisPendantChoix {
public:
    FrancaisPendantChoix() : avant_() { QLocale::setDefault(francais()); }
    ~FrancaisPendantChoix() { QLocale::setDefault(avant_); }
    FrancaisPendantChoix(const FrancaisPendantChoix&) = delete;
    FrancaisPendantChoix& operator=(const FrancaisPendantChoix&) = delete;

private:
    QLocale avant_;
};

// The sizes and dates of Qt's file list follow the system's language, and
// its word for a folder is missing from its French catalogue: given here in
// French, whatever the system speaks.
class ListeFichiersEnFrancais : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* fichiers = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !fichiers || !index.isValid())
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        const bool dossier = fichiers->isDir(source);
        switch (index.column()) {
        case 1: return dossier ? QString() : francais().formattedDataSize(fichiers->size(source));
        case 2: return dossier ? QStringLiteral("Dossier") : QIdentityProxyModel::data(index, role);
        case 3: return francais().toString(fichiers->lastModified(source), QLocale::ShortFormat);
        default: return QIdentityProxyModel::data(index, role);
        }
    }
};

// Qt's own chooser, never the desktop's: a desktop's chooser speaks the
// desktop's language. Its type column is widened to its longest type once
// the folder is listed, so that no type is cut.
void EnFrancais(QFileDialog& dlg)
{
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setProxyModel(new ListeFichiersEnFrancais(&dlg));
    auto* fichiers = dlg.findChild<QFileSystemModel*>();
    auto* detail = dlg.findChild<QTreeView*>();
    if (fichiers && detail)
        QObject::connect(fichiers, &QFileSystemModel::directoryLoaded, detail,
                         [detail] { detail->resizeColumnToContents(2); });
}

// A title often carries what the box is about ("Elimination des arcs") or
// the form of the answer ("0903 pour 9:03"), and a title bar cuts what its
// window is too narrow for: a box is as wide as its whole title beside the
// title bar's icon and buttons, within the screen (at most limite of it).
int largeurPourTitre(const QString& titre, int limite)
{
    const QFontMetrics titres(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    return std::min(titres.horizontalAdvance(titre) + 6 * titres.height(), limite);
}

QRect zoneEcran(const QWidget* parent)
{
    const QScreen* ecran = parent ? parent->screen() : QGuiApplication::primaryScreen();
    return ecran ? ecran->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

QStringList FiltresQt(const QString& filtre)
{
    QStringList r;
    const QStringList parties = filtre.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parties.size(); i += 2) {
        QString motifs = parties[i + 1];
        motifs.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (motifs == QLatin1String("*.*"))
            motifs = QStringLiteral("*");
        r << QStringLiteral("%1 (%2)").arg(parties[i], motifs);
    }
    return r;
}

Reponse DialoguesQt::Message(const QString& texte, Boutons boutons, Icone icone, const QString& titre)
{
    QMessageBox box(parent_);
    box.setWindowTitle(titre.isEmpty() ? QStringLiteral("KELMO") : titre);
    box.setText(texte);
    switch (icone) {
    case Icone::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icone::Critique: box.setIcon(QMessageBox::Critical); break;
    case Icone::Question: box.setIcon(QMessageBox::Question); break;
    case Icone::Information: box.setIcon(QMessageBox::Information); break;
    case Icone::Aucune: break;
    }
    QMessageBox::StandardButtons b = QMessageBox::Ok;
    if (boutons == Boutons::OKAnnuler)
        b = QMessageBox::Ok | QMessageBox::Cancel;
    else if (boutons == Boutons::OuiNon)
        b = QMessageBox::Yes | QMessageBox::No;
    else if (boutons == Boutons::OuiNonAnnuler)
        b = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    box.setStandardButtons(b);
    if (auto* oui = box.button(QMessageBox::Yes))
        oui->setText(QStringLiteral("&Oui"));
    if (auto* non = box.button(QMessageBox::No))
        non->setText(QStringLiteral("&Non"));
    if (auto* annuler = box.button(QMessageBox::Cancel))
        annuler->setText(QStringLiteral("Annuler"));
    // The message box sizes itself from its layout's minimum width, but never
    // wider than its own limit for the screen (the whole screen up to 1024
    // pixels, else 480 pixels less, 1000 at most): a strut across the layout
    // within that limit.
    const int ecran = zoneEcran(parent_).width();
    const int limite = ecran <= 1024 ? ecran : std::min(ecran - 480, 1000);
    if (auto* grille = qobject_cast<QGridLayout*>(box.layout()))
        grille->addItem(new QSpacerItem(largeurPourTitre(box.windowTitle(), limite), 0,
                                        QSizePolicy::Minimum, QSizePolicy::Fixed),
                        grille->rowCount(), 0, 1, grille->columnCount());
    const int r = [&box] {
        const FlechePendantDialogue fleche;
        return box.exec();
    }();
    switch (r) {
    case QMessageBox::Yes: return Reponse::Oui;
    case QMessageBox::No: return Reponse::Non;
    case QMessageBox::Cancel: return boutons == Boutons::OuiNon ? Reponse::Non : Reponse::Annuler;
    default: return Reponse::OK;
    }
}

std::optional<QString> DialoguesQt::Saisie(const QString& invite, const QString& titre, const QString& defaut)
{
    const QString t = titre.isEmpty() ? QStringLiteral("KELMO") : titre;
    QInputDialog box(parent_);
    box.setWindowTitle(t);
    box.setLabelText(invite);
    box.setInputMode(QInputDialog::TextInput);
    box.setTextValue(defaut);
    // The box's layout sets its size from its contents, so the width its
    // title needs is asked of the entry field.
    if (auto* champ = box.findChild<QLineEdit*>())
        champ->setMinimumWidth(largeurPourTitre(t, zoneEcran(parent_).width() * 9 / 10));
    const FlechePendantDialogue fleche;
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

static std::optional<QString> choisitFichier(QWidget* parent, const DemandeFichier& d, bool enregistrer)
{
    const FrancaisPendantChoix langue;
    QFileDialog dlg(parent, d.titre, CheminLocal(d.dossierInitial));
    EnFrancais(dlg);
    const QStringList filtres = FiltresQt(d.filtre);
    if (!filtres.isEmpty()) {
        dlg.setNameFilters(filtres);
        if (d.indexFiltre >= 1 && d.indexFiltre <= filtres.size())
            dlg.selectNameFilter(filtres[d.indexFiltre - 1]);
    }
    if (!d.nomFichier.isEmpty())
        dlg.selectFile(CheminLocal(d.nomFichier));
    dlg.setAcceptMode(enregistrer ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(enregistrer ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, !d.confirmeRemplacement);
    const FlechePendantDialogue fleche;
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    return dlg.selectedFiles().first();
}

std::optional<QString> DialoguesQt::FichierOuvrir(const DemandeFichier& d) { return choisitFichier(parent_, d, false); }
std::optional<QString> DialoguesQt::FichierEnregistrer(const DemandeFichier& d) { return choisitFichier(parent_, d, true); }

std::optional<QString> DialoguesQt::Dossier(const QString& titre, const QString& dossierInitial)
{
    const FrancaisPendantChoix langue;
    QFileDialog dlg(parent_, titre, CheminLocal(dossierInitial));
    EnFrancais(dlg);
    dlg.setFileMode(QFileDialog::Directory);
    dlg.setOption(QFileDialog::ShowDirsOnly, true);
    const FlechePendantDialogue fleche;
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty() || dlg.selectedFiles().first().isEmpty())
        return std::nullopt;
    return dlg.selectedFiles().first();
}

std::optional<QColor> DialoguesQt::Couleur(const QColor& initiale)
{
    const FlechePendantDialogue fleche;
    QColor c = QColorDialog::getColor(initiale, parent_);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<Police> DialoguesQt::ChoixPolice(const Police& initiale)
{
    const FlechePendantDialogue fleche;
    return DialoguePolice::Demande(initiale, parent_);
}

void DialoguesQt::Sablier(bool actif)
{
    if (actif) {
        if (sabliers_++ == 0)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (sabliers_ > 0) {
        if (--sabliers_ == 0)
            QApplication::restoreOverrideCursor();
    }
}

bool DialoguesQt::LanceProgramme(const QString& programme, const QStringList& arguments)
{
    return QProcess::startDetached(programme, arguments);
}

void DialoguesQt::Quitte() { TermineBoucleEvenements(); }

} // namespace kelmo

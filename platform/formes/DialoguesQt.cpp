#include "platform/formes/DialoguesQt.h"
#include "platform/Chemins.h"
#include "platform/formes/DialoguePolice.h"
#include "platform/formes/RetourClavier.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QFontDatabase>
#include <QIdentityProxyModel>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QTreeView>
#include <algorithm>

namespace kelmo {
namespace {

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

// The program's messages join their lines with carriage returns, which a
// label would draw as blanks: the lines break there.
QString lignes(QString texte)
{
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texte.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return texte;
}

// While a box is open, asked for in the middle of a command, it shows the
// arrow, not the command's hourglass. Once it is closed the keyboard goes
// back to the window it belongs to, to the box that had it: a window
// manager gives it to the main window instead when that window is one of
// the program's tool windows (an editor, a timetable).
class PendantBoite {
public:
    explicit PendantBoite(QWidget* proprietaire) : proprietaire_(proprietaire)
    {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~PendantBoite()
    {
        QApplication::restoreOverrideCursor();
        RendClavier(proprietaire_);
    }
    PendantBoite(const PendantBoite&) = delete;
    PendantBoite& operator=(const PendantBoite&) = delete;

private:
    QPointer<QWidget> proprietaire_;
};

// A question with Oui and Non only waits for one of them: neither Escape nor
// the window's close answers it. Qt takes either for Non there, which the
// program's questions read as a choice ("supprimer sans demander").
class BoiteMessage : public QMessageBox {
public:
    BoiteMessage(QWidget* parent, bool sansEchappement) : QMessageBox(parent), sansEchappement_(sansEchappement) {}

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (sansEchappement_ && e->matches(QKeySequence::Cancel))
            return;
        QMessageBox::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override
    {
        if (sansEchappement_) {
            e->ignore();
            return;
        }
        QMessageBox::closeEvent(e);
    }

private:
    bool sansEchappement_;
};

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
    QWidget* parent = FenetreEnUsage(parent_);
    BoiteMessage box(parent, boutons == Boutons::OuiNon);
    box.setWindowTitle(titre.isEmpty() ? QStringLiteral("KELMO") : titre);
    box.setText(lignes(texte));
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
    const int ecran = zoneEcran(parent).width();
    const int limite = ecran <= 1024 ? ecran : std::min(ecran - 480, 1000);
    if (auto* grille = qobject_cast<QGridLayout*>(box.layout()))
        grille->addItem(new QSpacerItem(largeurPourTitre(box.windowTitle(), limite), 0,
                                        QSizePolicy::Minimum, QSizePolicy::Fixed),
                        grille->rowCount(), 0, 1, grille->columnCount());
    const int r = [&box, parent] {
        const PendantBoite pendant(parent);
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
    QWidget* parent = FenetreEnUsage(parent_);
    QInputDialog box(parent);
    box.setWindowTitle(t);
    box.setLabelText(lignes(invite));
    box.setInputMode(QInputDialog::TextInput);
    box.setTextValue(defaut);
    // The box's layout sets its size from its contents, so the width its
    // title needs is asked of the entry field.
    if (auto* champ = box.findChild<QLineEdit*>())
        champ->setMinimumWidth(largeurPourTitre(t, zoneEcran(parent).width() * 9 / 10));
    const PendantBoite pendant(parent);
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
    const PendantBoite pendant(parent);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    return dlg.selectedFiles().first();
}

std::optional<QString> DialoguesQt::FichierOuvrir(const DemandeFichier& d)
{
    return choisitFichier(FenetreEnUsage(parent_), d, false);
}

std::optional<QString> DialoguesQt::FichierEnregistrer(const DemandeFichier& d)
{
    return choisitFichier(FenetreEnUsage(parent_), d, true);
}

std::optional<QString> DialoguesQt::Dossier(const QString& titre, const QString& dossierInitial)
{
    const FrancaisPendantChoix langue;
    QWidget* parent = FenetreEnUsage(parent_);
    QFileDialog dlg(parent, titre, CheminLocal(dossierInitial));
    EnFrancais(dlg);
    dlg.setFileMode(QFileDialog::Directory);
    dlg.setOption(QFileDialog::ShowDirsOnly, true);
    const PendantBoite pendant(parent);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty() || dlg.selectedFiles().first().isEmpty())
        return std::nullopt;
    return dlg.selectedFiles().first();
}

std::optional<QColor> DialoguesQt::Couleur(const QColor& initiale)
{
    QWidget* parent = FenetreEnUsage(parent_);
    const PendantBoite pendant(parent);
    QColor c = QColorDialog::getColor(initiale, parent);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<Police> DialoguesQt::ChoixPolice(const Police& initiale)
{
    QWidget* parent = FenetreEnUsage(parent_);
    const PendantBoite pendant(parent);
    return DialoguePolice::Demande(initiale, parent);
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

#include "values/formes/AspectVisuelArcsAttr.h"
#include "core/Modele.h"
#include "platform/GardeCommandes.h"
#include "platform/formes/BoutonRotatif.h"
#include "values/AspectVisuelArcsAttr.h"
#include "view/formes/ApercuDessin.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kelmo {
namespace {

ModeleAspectVisuelArcsAttr& modele() { return K.Formes.AspectVisuelArcsAttr; }

QLabel* etiquette(const char* nom, const QString& texte, QWidget* parent)
{
    auto* l = new QLabel(texte, parent);
    l->setObjectName(QString::fromUtf8(nom));
    return l;
}

void montreTexte(QLineEdit* e, const QString& t)
{
    if (e->text() != t) {
        const QSignalBlocker b(e);
        e->setText(t);
    }
}

} // namespace

AspectVisuelArcsAttr::AspectVisuelArcsAttr(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AspectVisuelArcsAttr"));
    setWindowTitle(QStringLiteral("Arcs des attractions"));
    const ModeleAspectVisuelArcsAttr& m = modele();
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Cadre1 = new QGroupBox(QStringLiteral("Caractéristiques du trait"), this);
    Text1 = new QLineEdit(Cadre1);
    Text2 = new QLineEdit(Cadre1);
    Spin1 = new BoutonRotatif(Cadre1);
    Spin2 = new BoutonRotatif(Cadre1);
    Image1 = new QLabel(Cadre1);
    Image1->setFixedSize(60, 20);
    Commande2 = new QPushButton(QStringLiteral("Changer la couleur"), Cadre1);
    Picture1 = new ApercuDessin(static_cast<int>(m.LargeurApercu), static_cast<int>(m.HauteurApercu),
                                QColor(Qt::white), this);
    Option3D1 = new QRadioButton(QStringLiteral("1"), this);
    Option3D2 = new QRadioButton(QStringLiteral("2"), this);
    Option3D3 = new QRadioButton(QStringLiteral("3"), this);
    Option3D1->setChecked(true);
    Command1->setDefault(true);
    const std::pair<QWidget*, const char*> noms[] = {
        {Command1, "Command1"}, {Cadre1, "Cadre1"},       {Text1, "Text1"},         {Text2, "Text2"},
        {Spin1, "Spin1"},       {Spin2, "Spin2"},         {Image1, "Image1"},       {Commande2, "Commande2"},
        {Picture1, "Picture1"}, {Option3D1, "Option3D1"}, {Option3D2, "Option3D2"}, {Option3D3, "Option3D3"}};
    for (const auto& [w, nom] : noms)
        w->setObjectName(QString::fromUtf8(nom));

    auto* c = new QGridLayout(Cadre1);
    c->addWidget(etiquette("Etiquette2", QStringLiteral("Epaisseur du trait blanc de fond :"), Cadre1), 0, 0);
    c->addWidget(Text1, 0, 1);
    c->addWidget(Spin1, 0, 2);
    c->addWidget(etiquette("Etiquette3", QStringLiteral("Epaisseur du trait :"), Cadre1), 1, 0);
    c->addWidget(Text2, 1, 1);
    c->addWidget(Spin2, 1, 2);
    c->addWidget(etiquette("Etiquette4", QStringLiteral("Couleur du trait :"), Cadre1), 2, 0);
    c->addWidget(Image1, 2, 1);
    c->addWidget(Commande2, 3, 1, 1, 2);
    auto* ordre = new QHBoxLayout;
    ordre->addWidget(etiquette("Label1", QStringLiteral("Attraction d'ordre :"), this));
    for (QRadioButton* b : {Option3D1, Option3D2, Option3D3})
        ordre->addWidget(b);
    ordre->addStretch();
    auto* bas = new QHBoxLayout;
    bas->addWidget(Picture1);
    bas->addStretch();
    bas->addWidget(Command1, 0, Qt::AlignBottom);
    auto* l = new QVBoxLayout(this);
    l->addWidget(Cadre1);
    l->addLayout(ordre);
    l->addLayout(bas);

    Picture1->Dessin = [](QPainter& p) {
        for (const SegmentApercu& s : modele().Apercu) {
            p.setPen(QPen(VersQColor(s.Couleur_), s.Epaisseur, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(s.X1, s.Y1), QPointF(s.X2, s.Y2));
        }
    };
    connect(Text1, &QLineEdit::textEdited, this,
            [this](const QString& t) { agit([t] { AspectVisuelArcsAttr_Text1_Change(t); }); });
    connect(Text2, &QLineEdit::textEdited, this,
            [this](const QString& t) { agit([t] { AspectVisuelArcsAttr_Text2_Change(t); }); });
    connect(Commande2, &QPushButton::clicked, this, [this] { agit(AspectVisuelArcsAttr_Commande2_Click); });
    connect(Command1, &QPushButton::clicked, this, [this] { agit(AspectVisuelArcsAttr_Command1_Click); });
    Rafraichit();
}

void AspectVisuelArcsAttr::agit(const std::function<void()>& handler)
{
    ExecuteGarde(handler);
    Rafraichit();
}

void AspectVisuelArcsAttr::reject() { agit(AspectVisuelArcsAttr_Command1_Click); }

void AspectVisuelArcsAttr::Rafraichit()
{
    const ModeleAspectVisuelArcsAttr& m = modele();
    montreTexte(Text1, m.Text1);
    montreTexte(Text2, m.Text2);
    Image1->setStyleSheet(QStringLiteral("background-color: %1;").arg(VersQColor(m.Image1).name()));
    Picture1->update();
    if (!m.Visible && isVisible())
        done(QDialog::Accepted);
}

} // namespace kelmo

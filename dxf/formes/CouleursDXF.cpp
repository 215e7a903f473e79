#include "dxf/formes/CouleursDXF.h"
#include "core/Modele.h"
#include "dxf/SortieDXF.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>

namespace kelmo {

CouleursDXF::CouleursDXF(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CouleursDXF"));
    setWindowTitle(QStringLiteral("Double cliquez sur une couleur..."));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    // Background and text of each cell; black is shown near-black with
    // white text so that its name can be read.
    static const char* fonds[8][2] = {{"#ff0000", "#000000"}, {"#ffff00", "#000000"}, {"#00ff00", "#000000"},
                                      {"#00ffff", "#000000"}, {"#0000ff", "#ffffff"}, {"#ff00ff", "#000000"},
                                      {"#ffffff", "#000000"}, {"#202020", "#ffffff"}};
    auto* l = new QHBoxLayout(this);
    for (std::size_t i = 0; i < 8; ++i) {
        QLineEdit* e = new QLineEdit(K.Formes.CouleursDXF.CouleurCad[i], this);
        e->setObjectName(QStringLiteral("CouleurCad_%1").arg(i));
        e->setReadOnly(true);
        e->setAlignment(Qt::AlignCenter);
        e->setMaximumWidth(70);
        e->setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; }")
                             .arg(QLatin1String(fonds[i][0]), QLatin1String(fonds[i][1])));
        e->installEventFilter(this);
        CouleurCad[i] = e;
        l->addWidget(e);
    }
}

bool CouleursDXF::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::MouseButtonDblClick)
        for (int i = 0; i < 8; ++i)
            if (objet == CouleurCad[static_cast<std::size_t>(i)]) {
                CouleursDXF_CouleurCad_DblClick(i);
                return true;
            }
    return QDialog::eventFilter(objet, evenement);
}

} // namespace kelmo

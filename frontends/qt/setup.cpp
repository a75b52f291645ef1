#include "frontends/qt/setup.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

// Resources built into a static library are registered by hand; the macro
// must be used outside any namespace.
static void LoadResources() { Q_INIT_RESOURCE(movra); }

namespace movra {

void SetUpApplication() {
    LoadResources();
    QCoreApplication::setApplicationName(QStringLiteral("Movra"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/movra.png")));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
}

}  // namespace movra

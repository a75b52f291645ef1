#include "frontends/qt/setup.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

#include "resources/texts.h"

// Resources built into a static library are registered by hand; the macro
// must be used outside any namespace.
static void LoadResources() { Q_INIT_RESOURCE(movra); }

namespace movra::qt {

void SetUpApplication() {
    LoadResources();
    // Both name the settings: Movra/Movra.conf in the user's configuration folder.
    QCoreApplication::setOrganizationName(QStringLiteral("Movra"));
    QCoreApplication::setApplicationName(QStringLiteral("Movra"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/movra.png")));
    QFont::insertSubstitution(QString::fromUtf8(texts::Mincho), QStringLiteral("IPAPMincho"));
    QFont::insertSubstitution(QString::fromUtf8(texts::Gothic), QStringLiteral("IPAPGothic"));
}

}  // namespace movra::qt

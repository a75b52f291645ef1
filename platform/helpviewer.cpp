#include "helpviewer.h"

#include <QFile>

namespace movra {

HelpViewer::HelpViewer() {
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(480, 420);
}

void HelpViewer::Open(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        setHtml(QString::fromUtf8(file.readAll()));
        setWindowTitle(documentTitle().isEmpty() ? QStringLiteral("ヘルプ") : documentTitle());
    } else {
        setPlainText(QStringLiteral("ヘルプファイルを開けません。\n\n%1").arg(path));
        setWindowTitle(QStringLiteral("ヘルプ"));
    }
    show();
    raise();
    activateWindow();
}

}  // namespace movra

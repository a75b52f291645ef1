// The help viewer: reads the document, shows it, and closes like a document window.
#include "frontends/qt/help_viewer.h"

#include <QFile>
#include <QKeyEvent>

namespace movra::qt {

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

void HelpViewer::keyPressEvent(QKeyEvent* event) {
    const QKeyCombination key = event->keyCombination();
    if (key == QKeyCombination(Qt::Key_Escape) || key == QKeyCombination(Qt::ControlModifier, Qt::Key_W))
        close();
    else
        QTextBrowser::keyPressEvent(event);
}

}  // namespace movra::qt

// The help viewer: a window of its own that shows a help document.
#pragma once

#include <QTextBrowser>

namespace movra::qt {

// Stands in for the system help viewer. It belongs to the platform, not to
// the program, so it never keeps the program running on its own.
class HelpViewer : public QTextBrowser {
    Q_OBJECT

public:
    HelpViewer();

    // Shows the HTML (UTF-8) document at path; if it cannot be read, says so here.
    void Open(const QString& path);

protected:
    // Escape and Ctrl+W close it, as they close a document window elsewhere.
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace movra::qt

// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A small window to drag files from, as from a file manager: a mouse press on it starts a drag
// of the files named on the command line, and when the drag ends it prints whether the drop was
// taken. It prints "ready" once it is on the screen: a press before that would be lost. It runs on
// until it is ended, as the target asks for the files after the drop.
#include <QApplication>
#include <QDrag>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {

class DragSource : public QWidget {
public:
    explicit DragSource(QList<QUrl> files) : files_(std::move(files)) {
        setWindowTitle(QStringLiteral("drag source"));
        setFixedSize(120, 80);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!painted_) {
            painted_ = true;
            std::puts("ready");
            std::fflush(stdout);
        }
    }

    void mousePressEvent(QMouseEvent*) override {
        auto* data = new QMimeData;
        data->setUrls(files_);
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        const bool taken = drag->exec(Qt::CopyAction) == Qt::CopyAction;
        // The drag's last word to the target (a leave, when refused) must have been carried out by
        // the X server before this program can be ended: sync() waits for the server to answer.
        QGuiApplication::sync();
        std::puts(taken ? "taken" : "refused");
        std::fflush(stdout);
    }

private:
    QList<QUrl> files_;
    bool painted_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QList<QUrl> files;
    for (const QString& file : QApplication::arguments().mid(1))
        files << QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
    DragSource source(files);
    source.move(0, 0);
    source.show();
    return QApplication::exec();
}

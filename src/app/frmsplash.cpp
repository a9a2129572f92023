#include "app/frmsplash.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace {
// The splash's pictures are PNG files built into the program, read as such. Left to guess the
// format, Qt would first load every image plugin on the system (a megabyte and a few
// milliseconds) before the splash could show, and QPixmap(file name) would keep a copy in the
// pixmap cache after the splash is gone.
QPixmap builtInPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}
} // namespace

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      background_(builtInPng(QStringLiteral(":/splash.png"))) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral(" "));
    setAccessibleName(tr("Quadrello"));
    setWindowIcon(QIcon(builtInPng(QStringLiteral(":/icons/quadrello-32.png"))));
    setFixedSize(536, 228);

    auto* cmdplay = new QPushButton(tr("Play"), this);
    cmdplay->setObjectName(QStringLiteral("cmdplay"));
    cmdplay->setGeometry(400, 88, 89, 25);
    auto* cmdext = new QPushButton(tr("Exit"), this);
    cmdext->setObjectName(QStringLiteral("cmdext"));
    cmdext->setGeometry(400, 144, 89, 25);
    cmdplay->setFocus();
    connect(cmdplay, &QPushButton::clicked, this, &frmSplash::play);
    connect(cmdext, &QPushButton::clicked, this, &QWidget::close);
}

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
}

void frmSplash::mousePressEvent(QMouseEvent*) {
    play();
}

void frmSplash::keyPressEvent(QKeyEvent*) {
    play();
}

// The close box, like Exit, ends the program.
void frmSplash::closeEvent(QCloseEvent*) {
    if (!chosen_) {
        chosen_ = true;
        emit exitChosen();
    }
}

// Leads on only once, however many clicks and keys arrive before the splash is gone.
void frmSplash::play() {
    if (chosen_)
        return;
    chosen_ = true;
    emit playChosen();
    close();
}

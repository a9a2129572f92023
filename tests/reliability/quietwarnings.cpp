#include "reliability/quietwarnings.h"

#include <QByteArrayView>

namespace {

QtMessageHandler testHandler = nullptr;

void quiet(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg || type == QtDebugMsg ||
        QByteArrayView(context.category) == QByteArrayView("qt.gui.imageio"))
        return;
    testHandler(type, context, message);
}

} // namespace

void dropWarnings() {
    QtMessageHandler previous = qInstallMessageHandler(quiet);
    if (previous != quiet)
        testHandler = previous;
}

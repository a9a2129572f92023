#include "app/classicfonts.h"

#include <QApplication>
#include <QFont>

void useClassicFonts() {
    const QString sans = QStringLiteral("MS Sans Serif");
    QFont::insertSubstitutions(sans, {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                      QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                QStringLiteral("DejaVu Serif")});
    QFont font(sans);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
}

#include "app/classicfonts.h"

#include "windows/classicform.h"

#include <QApplication>
#include <QFont>

void useClassicFonts() {
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                QStringLiteral("DejaVu Serif")});
    QApplication::setFont(classicFont());
}

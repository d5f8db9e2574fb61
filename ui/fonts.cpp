#include "ui/fonts.h"

#include <QStringList>

namespace tessaly {

namespace {

QFont sansSerif(const QStringList &families, qreal pointSize)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

QFont windowFont()
{
    // At a full 8 points this face's lines are 13 px, and two of them no longer fit the 25 px
    // captions ("I Accept Disclaimer") nor "Length" its 57 px button; at 7.5 points (10 px at
    // 96 dpi) every caption is whole.
    return sansSerif({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")}, 7.5);
}

QFont largeFont()
{
    return sansSerif({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("Arial")},
        12);
}

} // namespace tessaly

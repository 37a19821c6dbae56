// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/art/Palette.h"

#include <QRegularExpression>
#include <utility>

namespace tarvelin::art
{

namespace
{

// The palette entries a style sheet may name.
const std::pair<QLatin1StringView, const QColor*> kStyleSheetColours[] = {
    {QLatin1StringView("captionText"), &kCaptionText},
    {QLatin1StringView("valueGold"), &kValueGold},
    {QLatin1StringView("groupBorder"), &kGroupBorder},
    {QLatin1StringView("groupFill"), &kGroupFill},
    {QLatin1StringView("makerLink"), &kMakerLink},
    {QLatin1StringView("fieldFill"), &kFieldFill},
    {QLatin1StringView("fieldText"), &kFieldText},
    {QLatin1StringView("fieldBorder"), &kFieldBorder},
    {QLatin1StringView("selectionFill"), &kSelectionFill},
    {QLatin1StringView("selectionText"), &kSelectionText},
    {QLatin1StringView("addressFill"), &kAddressFill},
    {QLatin1StringView("addressText"), &kAddressText},
    {QLatin1StringView("addressBorder"), &kAddressBorder},
    {QLatin1StringView("statusFill"), &kStatusFill},
    {QLatin1StringView("statusBorder"), &kStatusBorder},
    {QLatin1StringView("bannerFrameFill"), &kBannerFrameFill},
    {QLatin1StringView("bringsBackCaption"), &kBringsBackCaption},
    {QLatin1StringView("removesCaption"), &kRemovesCaption},
    {QLatin1StringView("changesCaption"), &kChangesCaption},
    {QLatin1StringView("panelBorder"), &kPanelBorder},
    {QLatin1StringView("startPanelFill"), &kStartPanelFill},
    {QLatin1StringView("panelFill"), &kPanelFill},
    {QLatin1StringView("aboutRule"), &kAboutRule},
    {QLatin1StringView("directoryFill"), &kDirectoryFill},
    {QLatin1StringView("directoryBorder"), &kDirectoryBorder},
    {QLatin1StringView("cream"), &kCream},
    {QLatin1StringView("gold"), &kGold},
    {QLatin1StringView("startStatusFill"), &kStartStatusFill},
    {QLatin1StringView("startStatusBorder"), &kStartStatusBorder},
    {QLatin1StringView("focusRing"), &kFocusRing},
    {QLatin1StringView("focusRingOnLight"), &kFocusRingOnLight},
};

const QColor* namedColour(QStringView name)
{
    for (const auto& [entry, colour] : kStyleSheetColours)
        if (name == entry)
            return colour;
    return nullptr;
}

} // namespace

QString styleColour(const QColor& colour)
{
    if (colour.alpha() == 255)
        return colour.name();
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(colour.alpha());
}

QString paletteStyleSheet(const QString& sheet)
{
    static const QRegularExpression token(QStringLiteral(R"(\$([A-Za-z]+))"));
    QString filled;
    qsizetype copied = 0;
    QRegularExpressionMatchIterator matches = token.globalMatch(sheet);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const QColor* colour = namedColour(match.capturedView(1));
        Q_ASSERT_X(colour, "paletteStyleSheet", "a style sheet names a colour not in the palette");
        filled += QStringView(sheet).mid(copied, match.capturedStart() - copied);
        filled += colour ? styleColour(*colour) : match.captured();
        copied = match.capturedEnd();
    }
    filled += QStringView(sheet).mid(copied);
    return filled;
}

} // namespace tarvelin::art

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cli/TerminalText.h"

#include "core/names/FileNameEncoding.h"

namespace tarvelin::cli
{

namespace
{

QString hexByte(int byte)
{
    return QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
}

} // namespace

QString escapedForOneLine(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\')
            out += QLatin1String("\\\\");
        else if (u == u'\n')
            out += QLatin1String("\\n");
        else if (u == u'\t')
            out += QLatin1String("\\t");
        else if (u == u'\r')
            out += QLatin1String("\\r");
        else if (u < 0x20 || (u >= 0x7f && u <= 0x9f))
            out += hexByte(u);
        else
            out += c;
    }
    return out;
}

QString terminalText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (const int byte = escapedByteAt(text, i); byte >= 0)
            out += hexByte(byte);
        else
            out += text[i];
    }
    return shownFileName(out);
}

} // namespace tarvelin::cli

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tarvelin
{

// The windows' artwork is drawn, text and outlines and all, on first use; the drawn pixels are
// kept between runs, so that a later start shows its windows without drawing them again. The
// cache lives under $XDG_CACHE_HOME/tarvelin-setup-utility/pictures/, one folder per build of the
// program, so a new build never shows a picture an older one drew.
struct CachedPicture {
    quint32 width = 0;
    quint32 height = 0;
    quint32 bytesPerLine = 0;
    QByteArray pixels; // height * bytesPerLine bytes, as the drawing left them
};

// One cached picture's file: a magic word, the picture's key (to tell two keys of one file name
// apart), then width, height and line length as little-endian words, then the pixels.
namespace picture_layout
{
inline constexpr QByteArrayView kMagic = "TVPIXEL1";
inline constexpr qsizetype kWordSize = 4;
inline constexpr quint32 kMaxKeySize = 1024;
inline constexpr quint32 kMaxSide = 8192;
inline constexpr qsizetype kMaxFileSize = qsizetype{256} * 1024 * 1024;
} // namespace picture_layout

QByteArray encodeCachedPicture(const QString& key, const CachedPicture& picture);
// Nothing for a file that is damaged, cut short, of another key, or larger than it says.
std::optional<CachedPicture> decodeCachedPicture(QByteArray bytes, const QString& key);

// The folder of this build's pictures; empty when there is no home to keep them in.
QString pictureCacheFolder();
std::optional<CachedPicture> readCachedPicture(const QString& key);
// Best effort: a picture that cannot be kept is drawn again next time. The first picture a build
// keeps removes the folders of other builds.
void keepCachedPicture(const QString& key, const CachedPicture& picture);

} // namespace tarvelin

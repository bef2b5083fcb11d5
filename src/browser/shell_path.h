#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace fif {

// Paths of the folder browser as the file system spells them: raw bytes, so that a name that
// is not valid UTF-8 still reaches the right folder. A clean path is absolute, has no empty,
// "." or ".." parts and no trailing "/", except the root "/" itself.
namespace shellpath {

// The clean form of `path`; a relative path is taken relative to `base` (itself clean).
// An empty result means the text names no path at all.
QByteArray Clean(const QByteArray& path, const QByteArray& base = QByteArray());

// `folder`/`name` for a clean folder and one name.
QByteArray Join(const QByteArray& folder, const QByteArray& name);

// The folder that holds `path` ("/" for "/x", empty for "/").
QByteArray Parent(const QByteArray& path);

// The last part of `path` ("/" for the root).
QByteArray FileName(const QByteArray& path);

// True when `path` is `base` or lies below it; `rest` gets the parts below `base`.
bool IsUnder(const QByteArray& path, const QByteArray& base, QList<QByteArray>* rest = nullptr);

// Whether `path` is a folder (after following links).
bool IsFolder(const QByteArray& path);
bool Exists(const QByteArray& path);

// The path as wide text that loses nothing: bytes that are not valid UTF-8 travel as
// U+DC80..U+DCFF, the escape that the search engine turns back into bytes.
QString ToText(const QByteArray& path);
QByteArray FromText(const QString& text);

// A readable form for display: undecodable bytes become U+FFFD.
QString DisplayName(const QByteArray& name);

}  // namespace shellpath
}  // namespace fif

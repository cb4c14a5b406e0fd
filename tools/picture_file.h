#pragma once
// The render tool's pictures as files: written whole or not at all.
#include <QIODevice>
#include <QString>

#include <functional>

namespace render_tool {

// Writes path with write, which says whether the picture went out: aside in
// the folder of the file and renamed over it only once every byte is
// written and closed, so a failure leaves an older picture whole. A link is
// followed to a regular file; anything else with that name (a device, a
// pipe, a folder, or a link to one) is refused, as the rename would replace
// it. Throws naming the file and why it was not written.
void writePicture(const QString& path, const std::function<bool(QIODevice&)>& write);

} // namespace render_tool

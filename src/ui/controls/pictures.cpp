// SPDX-License-Identifier: MIT
#include "ui/controls/pictures.h"

#include <QString>

// The pictures live in a resource of their own, linked into this static
// library; naming its initialiser keeps the linker from dropping it.
// Q_INIT_RESOURCE must be used outside any namespace.
static void LoadKeldPictures() { Q_INIT_RESOURCE(keld_pictures); }

namespace keld::ui {
namespace {

QString PicturePath(const char* kind, int number) {
    static const bool loaded = (LoadKeldPictures(), true);
    Q_UNUSED(loaded);
    return QStringLiteral(":/pictures/%1%2.png").arg(QLatin1StringView(kind)).arg(number);
}

}  // namespace

QIcon IconResource(int number) {
    const QPixmap icon(PicturePath("icon", number));
    return icon.isNull() ? QIcon() : QIcon(icon);
}

QPixmap BitmapResource(int number) { return QPixmap(PicturePath("bitmap", number)); }

}  // namespace keld::ui

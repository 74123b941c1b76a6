#include "WindowPlaces.h"

#include <QSettings>
#include <algorithm>

namespace WindowPlaces {

namespace {
QString KeyOf(const QString& key)
{
    return QStringLiteral("windows/") + key;
}
} // namespace

std::optional<QRect> Saved(const QString& key)
{
    const QRect rect = QSettings().value(KeyOf(key)).toRect();
    if (!rect.isValid())
        return std::nullopt;
    return rect;
}

void Save(const QString& key, const QRect& geometry)
{
    QSettings().setValue(KeyOf(key), geometry);
}

QRect Inside(const QRect& wanted, const QRect& area)
{
    const int width = std::min(wanted.width(), area.width());
    const int height = std::min(wanted.height(), area.height());
    const int left = std::clamp(wanted.left(), area.left(), area.left() + area.width() - width);
    const int top = std::clamp(wanted.top(), area.top(), area.top() + area.height() - height);
    return {left, top, width, height};
}

} // namespace WindowPlaces

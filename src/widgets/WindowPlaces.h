#pragma once

#include <QRect>
#include <QString>
#include <optional>

// Where each window was when it was last put away, kept in the user's settings, so that it
// comes back at the same size and place.
namespace WindowPlaces {

// The geometry last saved under the key; nullopt the first time.
std::optional<QRect> Saved(const QString& key);
void Save(const QString& key, const QRect& geometry);

// The rectangle moved, and shrunk where it is larger, so that it lies wholly inside area.
QRect Inside(const QRect& wanted, const QRect& area);

} // namespace WindowPlaces

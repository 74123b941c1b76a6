#pragma once

#include <QString>

// What a dictionary list is filled into: a combo box in the windows, a plain list in tests.
class ComboTarget
{
public:
    virtual ~ComboTarget() = default;
    virtual void Clear() = 0;
    virtual void AddItem(const QString& text, int itemData) = 0;
    virtual void SetListIndex(int index) = 0;
};

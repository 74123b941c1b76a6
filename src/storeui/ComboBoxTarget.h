#pragma once

#include "ComboTarget.h"

class QComboBox;

// Lets the dictionary lookups of the data store fill a real combo box.
class ComboBoxTarget : public ComboTarget
{
public:
    explicit ComboBoxTarget(QComboBox& combo) : combo_(combo) {}

    void Clear() override;
    void AddItem(const QString& text, int itemData) override;
    void SetListIndex(int index) override;

private:
    QComboBox& combo_;
};

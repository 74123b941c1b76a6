#include "ComboBoxTarget.h"

#include <QComboBox>

void ComboBoxTarget::Clear()
{
    combo_.clear();
}

void ComboBoxTarget::AddItem(const QString& text, int itemData)
{
    combo_.addItem(text, itemData);
}

void ComboBoxTarget::SetListIndex(int index)
{
    combo_.setCurrentIndex(index);
}

// The stored-condition buttons of the hotel conditions window.
#include "frmRestaurant.h"

#include "AnalysisWindows.h"
#include "HandlerGuard.h"
#include "InputRules.h"
#include "MessagePresenter.h"
#include "TemplateHotel.h"

#include <QLineEdit>
#include <QListWidget>

QString frmRestaurant::SelectedConditionName() const
{
    const QList<QListWidgetItem*> selected = lstConditon->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void frmRestaurant::cmdSave_Click()
{
    HandlerGuard::Run([this] {
        const OpenSets sets;
        // One trimmed name for the statements and the list alike.
        const QString name = txtNewcondition->text().trimmed();
        if (name.isEmpty()) {
            MessagePresenter::Show(QStringLiteral("请输入条件名称"));
            return;
        }
        if (!InputRules::PlainText(name)) {
            MessagePresenter::Show(InputRules::ControlCharacterMessage);
            return;
        }
        Template::SaveHotelCondition(*this, name);
        if (lstConditon->findItems(name, Qt::MatchExactly).isEmpty())
            lstConditon->addItem(name);
        AnalysisWindows::ShowStatus(this, QStringLiteral("已保存"));
    });
}

void frmRestaurant::cmdOpen_Click()
{
    HandlerGuard::Run([this] {
        const OpenSets sets;
        const QString name = SelectedConditionName().trimmed();
        if (name.isEmpty()) {
            MessagePresenter::Show(QStringLiteral("请选择存储条件名称"));
            return;
        }
        Template::OpenHotelCondition(*this, name);
    });
}

void frmRestaurant::cmdDelete_Click()
{
    const QString name = SelectedConditionName();
    if (!name.isEmpty() && !MessagePresenter::Ask(QStringLiteral("确定删除存储条件“%1”吗？").arg(name.trimmed())))
        return;
    HandlerGuard::Run([this] {
        const OpenSets sets;
        Template::DeleteHotelCondition(SelectedConditionName());
        const QList<QListWidgetItem*> selected = lstConditon->selectedItems();
        if (!selected.isEmpty())
            delete lstConditon->takeItem(lstConditon->row(selected.first()));
    });
}

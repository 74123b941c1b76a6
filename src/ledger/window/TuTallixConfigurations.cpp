// The stored configurations of TuTallix: the list, the three buttons of Frame4, and the
// mapping between the window's controls and the rows of a configuration.
#include "TuTallix.h"

#include "AnalysisWindows.h"
#include "FlexGrid.h"
#include "HandlerGuard.h"
#include "InputRules.h"
#include "MessagePresenter.h"
#include "TemplateTallix.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace {

const QString NameEmptyMessage = QStringLiteral("请输入名称");
const QString NameTakenMessage = QStringLiteral("存储条件名称重复");
const QString NothingSelectedMessage = QStringLiteral("请选中一个条件");

QRadioButton* CheckedOf(std::initializer_list<QRadioButton*> options)
{
    for (QRadioButton* option : options)
        if (option->isChecked())
            return option;
    return nullptr;
}

QString CaptionOf(std::initializer_list<QRadioButton*> options)
{
    const QRadioButton* option = CheckedOf(options);
    return option ? option->text() : QString();
}

QRadioButton* ByCaption(std::initializer_list<QRadioButton*> options, const QString& caption)
{
    for (QRadioButton* option : options)
        if (option->text() == caption)
            return option;
    return nullptr;
}

QList<Template::TallixRowRecord> GridRows(const FlexGrid* grid)
{
    QList<Template::TallixRowRecord> rows;
    for (int r = 1; r < grid->Rows(); ++r)
        rows.append({grid->TextMatrix(r, 0), grid->TextMatrix(r, 1)});
    return rows;
}

void FillGrid(FlexGrid* grid, const QList<Template::TallixRowRecord>& rows)
{
    grid->SetRows(1);
    for (const Template::TallixRowRecord& row : rows)
        grid->AddItem(row.Code + QLatin1Char('\t') + row.Item);
}

QListWidgetItem* SelectedEntry(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

} // namespace

void TuTallix::ListTallixConfigurations()
{
    HandlerGuard::Run([&] { List1->addItems(Template::ListTallixConfigurations()); });
}

void TuTallix::CmdSave_Click()
{
    const QString name = Text3->text().trimmed();
    if (name.isEmpty()) {
        MessagePresenter::Show(NameEmptyMessage);
        return;
    }
    if (!InputRules::PlainText(name)) {
        MessagePresenter::Show(InputRules::ControlCharacterMessage);
        return;
    }
    HandlerGuard::Run([&] {
        if (Template::TallixConfigurationExists(name)) {
            MessagePresenter::Show(NameTakenMessage);
            return;
        }
        SaveTallixConfiguration(name);
        List1->addItem(name);
        Text3->clear();
        AnalysisWindows::ShowStatus(this, QStringLiteral("已保存"));
    });
}

void TuTallix::SaveTallixConfiguration(const QString& name)
{
    Template::TallixConfiguration configuration;
    for (int r = 1; r < FlexGridItem->Rows(); ++r) {
        const ItemOrigin& origin = itemOrigins_[static_cast<std::size_t>(r - 1)];
        configuration.Items.append({FlexGridItem->TextMatrix(r, 0), origin.second, origin.first,
                                    FlexGridItem->TextMatrix(r, 1), FlexGridItem->TextMatrix(r, 2)});
    }
    configuration.Regions = GridRows(FlexGridArea);
    configuration.Enterprises = GridRows(FlexGridCompany);

    Template::TallixSettings settings;
    settings.Year = TxtYear->text();
    settings.Month = TxtMonth->text();
    settings.Classifaca = CaptionOf({OptAccom, OptTu, OptTuArea, OptOther});
    if (OptAccom->isChecked()) {
        settings.In = ChKRestaurant->isChecked() ? ChKRestaurant->text() : QString();
        settings.Out = ChkOther->isChecked() ? ChkOther->text() : QString();
    } else if (OptTu->isChecked()) {
        settings.In = ChkNation->isChecked() ? ChkNation->text() : QString();
        settings.Out = ChkInternation->isChecked() ? ChkInternation->text() : QString();
    }
    settings.Shu = CaptionOf({OptCurrent, OptAccumu, OptSameTerm, OptAccumuCom});
    settings.Group = CaptionOf({Option8, Option9});
    configuration.Settings = settings;

    Template::InsertTallixConfiguration(name, configuration);
}

void TuTallix::CmdOpen_Click()
{
    const QListWidgetItem* entry = SelectedEntry(List1);
    const QString name = entry ? entry->text().trimmed() : QString();
    if (name.isEmpty()) {
        MessagePresenter::Show(NothingSelectedMessage);
        return;
    }
    HandlerGuard::Run([&] { ReadTallixConfiguration(name); });
}

void TuTallix::ReadTallixConfiguration(const QString& name)
{
    const Template::TallixConfiguration configuration = Template::ReadTallixConfiguration(name);

    FlexGridItem->SetRows(1);
    for (const Template::TallixItemRecord& item : configuration.Items)
        if (!item.Item.isEmpty())
            FlexGridItem->AddItem(item.Item + QLatin1Char('\t') + item.FieldName + QLatin1Char('\t') +
                                  item.TableName);
    for (qsizetype k = 0; k < configuration.Items.size() && k < ItemOriginSlots; ++k)
        itemOrigins_[static_cast<std::size_t>(k)] = {configuration.Items[k].Dictable,
                                                     configuration.Items[k].Table};

    FillGrid(FlexGridArea, configuration.Regions);
    FillGrid(FlexGridCompany, configuration.Enterprises);

    if (!configuration.Settings)
        return;
    const Template::TallixSettings& s = *configuration.Settings;
    TxtYear->setText(s.Year);
    TxtMonth->setText(s.Month);
    if (QRadioButton* unit = ByCaption({OptAccom, OptTu, OptTuArea, OptOther}, s.Classifaca)) {
        readingConfiguration_ = true;
        SelectOption(unit);
        readingConfiguration_ = false;
    }
    ChKRestaurant->setChecked(s.In == ChKRestaurant->text());
    ChkOther->setChecked(s.Out == ChkOther->text());
    ChkInternation->setChecked(s.Out == ChkInternation->text());
    ChkNation->setChecked(s.In == ChkNation->text());
    if (QRadioButton* style = ByCaption({OptCurrent, OptAccumu, OptSameTerm, OptAccumuCom}, s.Shu))
        SelectOption(style);
    if (QRadioButton* group = ByCaption({Option8, Option9}, s.Group))
        SelectOption(group);
}

void TuTallix::CmdDel_Click()
{
    QListWidgetItem* entry = SelectedEntry(List1);
    const QString name = entry ? entry->text() : QString();
    if (entry && !MessagePresenter::Ask(QStringLiteral("确定删除存储条件“%1”吗？").arg(name.trimmed())))
        return;
    HandlerGuard::Run([&] {
        Template::DeleteTallixConfiguration(name);
        delete entry;
    });
}

#include "SourceOffer.h"

#include "AppFolderLocator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SourceOffer::SourceOffer(bool sampleAvailable, QWidget* parent)
    : QWidget(parent), cmdImport_(new QPushButton(QStringLiteral("导入采集数据..."), this)),
      cmdSample_(new QPushButton(QStringLiteral("打开示例数据"), this))
{
    setObjectName(QStringLiteral("SourceOffer"));
    setWindowTitle(QStringLiteral("源数据"));
    auto* text = new QLabel(AppFolderLocator::NoSourceText(), this);
    text->setObjectName(QStringLiteral("lblNoSource"));
    text->setWordWrap(true);
    cmdImport_->setObjectName(QStringLiteral("cmdImport"));
    cmdSample_->setObjectName(QStringLiteral("cmdSample"));
    cmdSample_->setEnabled(sampleAvailable);
    if (!sampleAvailable)
        cmdSample_->setToolTip(QStringLiteral("没有安装示例数据"));
    connect(cmdImport_, &QPushButton::clicked, this, &SourceOffer::ImportWanted);
    connect(cmdSample_, &QPushButton::clicked, this, &SourceOffer::SampleWanted);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdImport_);
    buttons->addWidget(cmdSample_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(buttons);
}

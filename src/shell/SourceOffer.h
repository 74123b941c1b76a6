#pragma once

#include <QWidget>

class QPushButton;

// Shown inside the main window while the application folder has no source database: says
// so and offers the two ways to get one, the import of the collection system's folder and
// the installed sample.
class SourceOffer : public QWidget
{
    Q_OBJECT

public:
    // sampleAvailable: whether the sample button can act.
    explicit SourceOffer(bool sampleAvailable, QWidget* parent = nullptr);

signals:
    void ImportWanted();
    void SampleWanted();

private:
    QPushButton* cmdImport_;
    QPushButton* cmdSample_;
};

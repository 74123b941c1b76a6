#include "Connection.h"
#include "MotherForm.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    Connection::SetAppFolder(QApplication::applicationDirPath());

    MotherForm form(Connection::AppFolder());
    form.show();
    form.MDIForm_Load();
    return QApplication::exec();
}

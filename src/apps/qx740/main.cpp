// qx740: the window program.
#include "TFCOMM.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The task-bar entry shows only the window's own title.
    QApplication::setApplicationDisplayName(QString());
    // The separator of the process's numeric locale, read once: the decoders write it and
    // the limit edits accept it.
    const QString decimalPoint = QLocale::system().decimalPoint();
    qx740::TFCOMM window(qx740::ModelFlags::thisBuild(), decimalPoint);
    window.show();
    return app.exec();
}

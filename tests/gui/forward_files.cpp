// A second launch in miniature: hands its arguments (after the socket name) to the instance
// listening on that name, as the application does at start, and exits 0 once they are taken.
//   forward_files SOCKET_NAME FILE...
#include <QCoreApplication>

#include "gui/SingleInstance.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty())
        return 2;
    const QString name = arguments.takeFirst();
    return SingleInstance(name).sendFiles(SingleInstance::absolutePaths(arguments)) ? 0 : 1;
}

#include "Program.h"

#include <QApplication>
#include <gst/gst.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    gst_init(&argc, &argv);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    return kw::runProgram(app, arguments);
}

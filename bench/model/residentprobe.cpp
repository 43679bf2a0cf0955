// Opens a plan, fills its undo list with five snapshots and prints the
// process's resident size in MB: what the editor holds for that plan.
#include "model/cdomoradoc.h"

#include <QCoreApplication>

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    CDomoraDoc doc;
    if (doc.OnOpenDocument(QString::fromLocal8Bit(argv[1])).isError())
        return 1;
    // Each snapshot records a change, as after an editing command.
    for (int i = 0; i < 10 && doc.undoCount() < 5; ++i) {
        doc.setDocValue(doc.docValue() + 1);
        doc.CheckPoint();
    }
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            std::printf("%.1f %zu\n", std::stod(line.substr(6)) / 1024.0, doc.undoCount());
    }
    return 0;
}

#pragma once

#include <QApplication>

// The FTP browser's application: one modal window; the program ends with it.
class CBrowserApp : public QApplication
{
    Q_OBJECT
public:
    CBrowserApp(int &argc, char **argv);
    int run();
};

// Holds the program's instance lock at the path given, as a running copy does, says
// "locked" and waits to be killed.
#include "ui/main/startup/single_instance.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        return 2;
    }
    quillmar::InstanceLock lock(QString::fromLocal8Bit(argv[1]));
    if (lock.acquire() != quillmar::InstanceLock::Result::Acquired) {
        return 1;
    }
    std::puts("locked");
    std::fflush(stdout);
    for (;;) {
        pause();
    }
}

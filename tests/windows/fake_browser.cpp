// Stands in for rashi-drishti-browser in the launcher tests: writes its
// arguments, one per record, to the file named by FAKE_BROWSER_LOG (appending
// "started" and "ended" records), then waits for its standard input to end.

#include <QByteArray>
#include <QFile>

#include <cstdio>
#include <unistd.h>

namespace {

void Log(const QByteArray& record)
{
    QFile file(QString::fromLocal8Bit(qgetenv("FAKE_BROWSER_LOG")));
    if (!file.open(QIODevice::Append))
        return;
    // Records end with a NUL, as arguments cannot contain one.
    file.write(record + '\0');
}

} // namespace

int main(int argc, char* argv[])
{
    Log("started " + QByteArray::number(::getpid()));
    for (int i = 1; i < argc; ++i)
        Log(QByteArray(argv[i]));
    char buffer[256];
    while (::read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
    }
    Log("ended");
    return 0;
}

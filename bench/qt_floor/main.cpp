// Start-up floor for the latency figure of run_bench.py: a console program
// that builds the same application object as prjmigr and ends at once.
// Whatever prjmigr spends above this on a tiny project is its own work.
#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return 0;
}

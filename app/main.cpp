#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::puts("KELMO : la fenêtre principale arrive avec la prochaine étape.");
    return 0;
}

// market-sim [--port N] [CATALOGUE.json]: serves the catalogue's shops (the demo shops without one)
// on 127.0.0.1 until stopped.
#include "MarketSim.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <cstdlib>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int port = 0;
    QString cataloguePath;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--port") && i + 1 < args.size())
            port = args[++i].toInt();
        else
            cataloguePath = args[i];
    }
    QTextStream err(stderr);
    sim::Catalogue catalogue = sim::DemoCatalogue();
    if (!cataloguePath.isEmpty()) {
        QString error;
        if (!sim::LoadCatalogue(cataloguePath, catalogue, &error)) {
            err << "market-sim: " << cataloguePath << ": " << error << Qt::endl;
            return 2;
        }
    }
    sim::MarketSim market(catalogue);
    if (!market.Start(port)) {
        err << "market-sim: cannot listen on 127.0.0.1:" << port << Qt::endl;
        return 1;
    }
    QTextStream out(stdout);
    out << market.address() << Qt::endl;
    err << "market-sim: serving " << catalogue.shops.size() << " shops; use http_proxy=" << market.address() << Qt::endl;
    for (const sim::Shop& shop : catalogue.shops)
        err << "  http://" << shop.host << "/" << Qt::endl;
    std::signal(SIGINT, [](int) { std::_Exit(0); });
    std::signal(SIGTERM, [](int) { std::_Exit(0); });
    return app.exec();
}

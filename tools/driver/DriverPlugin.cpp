// The driver as a Qt generic plugin: QT_QPA_GENERIC_PLUGINS=talvdriver:ORDERS
// with this folder's plugin path in QT_PLUGIN_PATH loads it into any Qt
// program at the creation of its application object.
#include "Driver.h"

#include <QGenericPlugin>

class DriverPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "driver.json")
public:
    QObject* create(const QString& key, const QString& ordersPath) override
    {
        if (key.compare(QLatin1String("talvdriver"), Qt::CaseInsensitive) != 0)
            return nullptr;
        return new Driver(ordersPath);
    }
};

#include "DriverPlugin.moc"

#include "widgets/PrintModuleLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QStringList>

#include <memory>

printmodule::CPrintGrid printGridFunction(QString* problem)
{
    static printmodule::CPrintGrid function = nullptr;
    if (function) return function;
    const QDir here(QCoreApplication::applicationDirPath());
    const QString name = QString::fromLatin1(printmodule::kName);
    QStringList reasons;
    for (const QString& path : {here.filePath(name), here.filePath(QStringLiteral(OBRIX_PRINT_MODULE_DIR "/") + name)})
    {
        auto module = std::make_unique<QLibrary>(path);
        if (module->load())
        {
            function = reinterpret_cast<printmodule::CPrintGrid>(module->resolve(printmodule::kPrintGrid));
            if (function)
            {
                module.release();  // stays loaded until the editor ends
                return function;
            }
        }
        reasons << module->errorString();
    }
    if (problem) *problem = reasons.join(QLatin1Char('\n'));
    return nullptr;
}

#include "app/Resources.h"

#include <QtCore/qglobal.h>

void initObrixResources()
{
    Q_INIT_RESOURCE(app);
    Q_INIT_RESOURCE(shell);
}

#include "app/Resources.h"

#include <QtCore/qglobal.h>

void initObrixResources()
{
    // The icons, the program's icon and the splash, drawn at build time.
    Q_INIT_RESOURCE(obrix_pictures);
}

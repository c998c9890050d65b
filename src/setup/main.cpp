#include "skin.h"
#include "wizardform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrel - Assistente de Configuração"));
    Skin::apply(app);

    TForm1 form;
    form.show();
    return app.exec();
}

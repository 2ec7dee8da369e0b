// Lumetta: a photo viewer and organiser.
#include "ui/app/application.h"
#include "ui/app/guarded_application.h"

int main(int argc, char** argv) {
  lumetta::ui::GuardedApplication app(argc, argv);
  QApplication::setApplicationName("Lumetta");
  const std::string photo = argc > 1 ? QString::fromLocal8Bit(argv[1]).toStdString() : std::string();
  lumetta::ui::Application lumetta_app(lumetta::ui::Application::CurrentEnvironment(photo));
  lumetta_app.Show();
  return QApplication::exec();
}

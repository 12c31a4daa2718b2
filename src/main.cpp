// The game program: runs from its own folder, where its content lies.
#include "app/Startup.h"
#include "engine/Engine.h"

int main() {
    const std::string self = eng::AppFile();
    if (!self.empty()) eng::ChangeDir(eng::ExtractDir(self));
    runProgram();
}

#include "Application.h"

CApplication::CApplication(IWindowSystem& windowSystem, std::string userFileName)
    : windowSystem_(windowSystem), mainDialog_(windowSystem, std::move(userFileName)) {}

void CApplication::Run() {
    while (windowSystem_.RunModal(mainDialog_) == FormResult::Accepted) {
        std::optional<std::string> failure =
            mainDialog_.UserMaterials().SaveUserMaterials(mainDialog_.UserFileName());
        if (!failure) {
            return;
        }
        windowSystem_.ShowMessage(Message{*failure, kExitCaption, MessageIcon::Exclamation});
    }
}

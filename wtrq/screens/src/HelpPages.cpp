// Loading and paging through the help pictures.
#include "screens/HelpPages.h"

#include "jwe/Events.h"
#include "jwe/Image.h"
#include "jwe/Package.h"
#include "jwe/ScratchFolder.h"
#include "jwe/Screen.h"

void showHelpPages(FramePacer& pacer)
{
    Image pages[3];
    {
        Package gui("data/gui.pjw");
        const char* members[3] = {"help1.png", "help2.png", "help3.png"};
        for (int i = 0; i < 3; ++i) {
            gui.extract(members[i]);
            pages[i].load(scratchPath("temp.tmp"));
        }
        gui.close();
    }
    for (const Image& page : pages) {
        bool done = false;
        for (;;) {
            SDL_Event event;
            while (pollEvent(&event)) {
                if (event.type == SDL_KEYDOWN) {
                    done = true;
                }
                page.draw(screen.surface(), 0, 0);
                screen.flip();
            }
            if (done) {
                break;
            }
            pacer.passDone();
        }
    }
}

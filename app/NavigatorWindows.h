#pragma once

#include "app/TAboutBox.h"
#include "app/TForm1.h"
#include "app/TForm6.h"
#include "directory/TForm2.h"
#include "directory/TForm7.h"
#include "directory/TForm9.h"
#include "map/TForm11.h"
#include "map/TForm12.h"
#include "map/TForm13.h"
#include "map/TForm5.h"
#include "reference/TForm14.h"
#include "reference/TForm8.h"

#include <memory>

// Every window of the program. Each is created once at start-up, in the order
// of the members below, and lives until the program ends. The postal index
// window and the splash window are created by the main window's start-up.
struct NavigatorWindows {
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm9> form9;
    std::unique_ptr<TAboutBox> aboutBox;
    std::unique_ptr<TForm11> form11;
    std::unique_ptr<TForm12> form12;
    std::unique_ptr<TForm13> form13;
    std::unique_ptr<TForm14> form14;
    std::unique_ptr<TForm7> form7;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TForm5> form5;
    std::unique_ptr<TForm6> form6;
    std::unique_ptr<TForm8> form8;

    ~NavigatorWindows()
    {
        // The main window refers to the others; it goes first.
        form1.reset();
    }
};

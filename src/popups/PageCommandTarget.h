#pragma once

// The commands of the context pop-up, by the index of their button.
enum class TPageCommand { Save = 0, Print = 1, Copy = 2 };

// Whose page the pop-up's commands act on; a browser window tells the pop-up when it shows it.
enum class TContextTarget { Catalogue = 0, Search = 1, Information = 2, WorkPage = 3 };

// A window whose page the pop-up's commands act on.
class TPageCommandTarget {
public:
    virtual void PageCommand(TPageCommand command) = 0;

protected:
    ~TPageCommandTarget() = default;
};

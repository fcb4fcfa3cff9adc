// The buttons of an ordinary window, in order; a button's index is its id.  The array owns
// its buttons and holds at most 50.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "shell/GDIButton.h"

class CGDIButtonArray {
public:
    static constexpr int kMaxButtons = 50;

    // Appends a button at (0, 0) with its picture and caption; ignored when the array is full.
    void Add(std::string_view path, std::string caption);
    void SetPos(int index, int x, int y);
    void DrawAll(platform::Surface& canvas) const;

    // The first button that takes the press, else -1.
    int MouseDown(int x, int y);
    // The first button whose hover changed, else -1; the buttons after it are not asked.
    int MouseMove(int x, int y);
    // Every button is asked; the highest index that reports a click, else -1.
    int MouseUp(int x, int y);

    int Count() const { return static_cast<int>(buttons_.size()); }
    CGDIButton& Button(int index) { return *buttons_[index]; }
    const CGDIButton& Button(int index) const { return *buttons_[index]; }

private:
    std::vector<std::unique_ptr<CGDIButton>> buttons_;
};

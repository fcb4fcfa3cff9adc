// A window receiver that writes every call down as a line of text, for comparing with what a
// test expects.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/WindowEvents.h"

struct EventLog : platform::WindowEvents {
    void OnLButtonDown(int x, int y, int button) override {
        Add("down " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(button));
    }
    void OnMouseMove(int x, int y) override {
        Add("move " + std::to_string(x) + " " + std::to_string(y));
    }
    void OnLButtonUp(int x, int y) override {
        Add("up " + std::to_string(x) + " " + std::to_string(y));
    }
    void OnKeyDown(int vk) override { Add("keydown " + std::to_string(vk)); }
    void OnKeyUp(int vk) override { Add("keyup " + std::to_string(vk)); }
    void OnChar(unsigned char byte) override {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        Add(std::string("char ") + hex);
    }
    void OnPaint() override {
        Add("paint");
        if (onPaint) onPaint();
    }
    void OnTimer(int id) override {
        Add("timer " + std::to_string(id));
        if (onTimer) onTimer(id);
    }
    void OnPosted(int id, const std::string& payload) override {
        Add("posted " + std::to_string(id) + " " + payload);
    }
    bool OnClose() override {
        Add("close");
        return allowClose;
    }
    void OnDropFiles(const std::vector<std::string>& paths) override {
        std::string line = "drop";
        for (const auto& p : paths) line += " " + p;
        Add(line);
    }

    void Add(std::string line) { lines.push_back(std::move(line)); }
    std::vector<std::string> Take() { return std::exchange(lines, {}); }
    // The lines without paint requests (the window system may ask for paints at any time).
    std::vector<std::string> TakeInput() {
        std::vector<std::string> input;
        for (auto& line : Take())
            if (line != "paint") input.push_back(std::move(line));
        return input;
    }

    std::vector<std::string> lines;
    bool allowClose = true;
    std::function<void()> onPaint;
    std::function<void(int)> onTimer;
};

#include "tools/sound/SoundTable.h"

namespace soundgen {

const std::vector<EffectFile>& EffectFiles() {
    static const std::vector<EffectFile> files = {
        {"Wave\\sezi.wav", EffectRecipe::DiceRattle},        // dice thrown
        {"Wave\\DaPai.wav", EffectRecipe::TileLands},        // a discard lands in the river
        {"Wave\\action.wav", EffectRecipe::ClaimChime},      // claim buttons offered
        {"Wave\\Click.wav", EffectRecipe::DealClick},        // deal step, hand hover
        {"Wave\\move.wav", EffectRecipe::HoverTick},         // mouse onto a table button
        {"Wave\\givemj.wav", EffectRecipe::StandInVoice},    // a call while voices are off
        {"Wave\\win.wav", EffectRecipe::WinFanfare},         // the user wins a hand
        {"Wave\\chouma.wav", EffectRecipe::Chips},           // chips paid
        {"Wave\\select.wav", EffectRecipe::SelectPluck},     // a tile marked for exchange
        {"Wave\\start.wav", EffectRecipe::StartGong},        // start button
        {"Wave\\ta.wav", EffectRecipe::PhraseTap},           // phrase list opened or closed
        {"Wave\\changemj.wav", EffectRecipe::ExchangeSwoosh},  // tiles exchanged with the wall
        {"Wave\\showmj.wav", EffectRecipe::RevealRise},      // every hand revealed
        {"Wave\\hidemj.wav", EffectRecipe::RippleFall},      // the next discard hidden
        {"Wave\\check.wav", EffectRecipe::CheckTick},        // check box clicked
        {"Wave\\msg.wav", EffectRecipe::MessageDing},        // talk in an open window
        {"Wave\\ring.wav", EffectRecipe::TalkRing},          // talk from a new sender
        {"Sound\\button.wav", EffectRecipe::ButtonPress},    // exit-window button clicked
        {"Sound\\move.wav", EffectRecipe::ButtonHover},      // mouse onto an exit-window button
    };
    return files;
}

const std::vector<VoiceCall>& VoiceCalls() {
    static const std::vector<VoiceCall> calls = {
        {"wan_1.wav", "一万"}, {"wan_2.wav", "二万"}, {"wan_3.wav", "三万"},
        {"wan_4.wav", "四万"}, {"wan_5.wav", "五万"}, {"wan_6.wav", "六万"},
        {"wan_7.wav", "七万"}, {"wan_8.wav", "八万"}, {"wan_9.wav", "九万"},
        {"tiao_1.wav", "一条"}, {"tiao_2.wav", "二条"}, {"tiao_3.wav", "三条"},
        {"tiao_4.wav", "四条"}, {"tiao_5.wav", "五条"}, {"tiao_6.wav", "六条"},
        {"tiao_7.wav", "七条"}, {"tiao_8.wav", "八条"}, {"tiao_9.wav", "九条"},
        {"bing_1.wav", "一饼"}, {"bing_2.wav", "二饼"}, {"bing_3.wav", "三饼"},
        {"bing_4.wav", "四饼"}, {"bing_5.wav", "五饼"}, {"bing_6.wav", "六饼"},
        {"bing_7.wav", "七饼"}, {"bing_8.wav", "八饼"}, {"bing_9.wav", "九饼"},
        {"dong.wav", "东风"}, {"nan.wav", "南风"}, {"xi.wav", "西风"}, {"bei.wav", "北风"},
        {"hongzhong.wav", "红中"}, {"facai.wav", "发财"}, {"baiban.wav", "白板"},
        {"peng.wav", "碰"}, {"gang.wav", "杠"}, {"hu.wav", "胡"}, {"zimo.wav", "自摸"},
        {"buhua.wav", "补花"}, {"chi.wav", "吃"}, {"ting.wav", "听"},
    };
    return calls;
}

const std::vector<VoiceBank>& VoiceBanks() {
    static const std::vector<VoiceBank> banks = {
        {"Wave\\Male\\", Speaker::Male},
        {"Wave\\FeMale\\", Speaker::Female},
    };
    return banks;
}

std::vector<SoundFile> SoundFiles() {
    std::vector<SoundFile> files;
    for (const auto& e : EffectFiles()) {
        SoundFile f{std::string(e.gamePath), SoundKind::Effect};
        f.recipe = e.recipe;
        files.push_back(f);
    }
    for (const auto& bank : VoiceBanks()) {
        for (const auto& call : VoiceCalls()) {
            SoundFile f{std::string(bank.folder) + std::string(call.file), SoundKind::Voice};
            f.call = &call;
            f.speaker = bank.speaker;
            files.push_back(f);
        }
    }
    files.push_back({std::string(kMusicFile), SoundKind::Music});
    return files;
}

}  // namespace soundgen

#include "check/MediaRules.h"

#include <algorithm>

#include "pictures/LobbyPlaces.h"

namespace {

void Add(std::vector<PictureRule>& rules, const std::string& folder, std::initializer_list<const char*> files,
         PictureShape shape, int width = 0, int height = 0) {
    for (const char* file : files) {
        rules.push_back({"2DTextures/" + folder + file, shape, width, height});
    }
}

std::vector<PictureRule> MakePictures() {
    using enum PictureShape;
    std::vector<PictureRule> r;
    Add(r, "GUI/",
        {"cursor.png", "checkbox_checked.png", "checkbox_empty.png", "left.png", "right.png",
         "statusBar_redSquare.png", "statusBar_blueSquare.png", "statusBar_dead.png", "minimap_redDot.png",
         "minimap_blueDot.png", "TB_cd.png"},
        Square);
    Add(r, "GUI/", {"Logo_Ombrin.png"}, Aspect, 900, 307);
    Add(r, "GUI/",
        {"play.png", "options.png", "credits.png", "quit.png", "connect.png", "host.png", "back.png",
         "apply.png", "applydisabled.png", "resume.png", "main_menu.png", "continue.png"},
        Aspect, 301, 98);
    Add(r, "GUI/", {"randomButton.png", "play_baw.png", "ready_baw.png", "ready.png", "unready.png"}, Aspect,
        300, 100);
    Add(r, "GUI/", {"namebox.png", "IPBox.png"}, Aspect, 394, 67);
    Add(r, "GUI/", {"vs_text.png"}, Aspect, 263, 68);
    Add(r, "GUI/", {"fullscreen_text.png"}, Aspect, 188, 55);
    Add(r, "GUI/", {"ssao_text.png"}, Aspect, 106, 56);
    Add(r, "GUI/", {"smartcast_text.png"}, Aspect, 295, 58);
    Add(r, "GUI/", {"dof_text.png"}, Aspect, 251, 68);
    Add(r, "GUI/", {"mute_text.png"}, Aspect, 216, 54);
    Add(r, "GUI/", {"camera_text.png"}, Aspect, 243, 56);
    Add(r, "GUI/", {"sctoggle_text.png"}, Aspect, 200, 88);
    Add(r, "GUI/", {"chooseButton.png"}, Aspect, 600, 100);
    Add(r, "GUI/", {"redTeamLobby.png", "blueTeamLobby.png"}, Aspect, 320, 602);
    Add(r, "GUI/", {"thinarrow_right.png", "thinarrow_left.png"}, Aspect, 50, 200);
    Add(r, "GUI/", {"lobby_bg.png"}, Aspect, 410, 440);
    Add(r, "GUI/", {"tb_bg.png"}, Aspect, 370, 100);
    Add(r, "GUI/", {"victory.png", "defeat.png"}, Aspect, 340, 125);
    Add(r, "GUI/", {"statusBar_bg.png"}, Aspect, 80, 55);
    Add(r, "GUI/", {"statusBar_frame.png"}, Aspect, 570, 80);
    Add(r, "GUI/", {"minimap.png"}, Aspect, 222, 250);
    Add(r, "GUI/", {"minimapframe.png"}, Aspect, 246, 275);
    Add(r, "GUI/", {"scoreboard_bg.png"}, Aspect, 514, 626);
    Add(r, "GUI/", {"bgTint.png", "abilitybarLobby.png", "hpBorder.png", "hpRed.png", "hpGreen.png"}, Any);
    Add(r, "Abilities/",
        {"TB_N1_Melee.png", "TB_N1_Ranged.png", "TB_N1_Q.png", "TB_N1_E.png", "TB_N2_Melee.png",
         "TB_N2_Ranged.png", "TB_N2_Q.png", "TB_N2_E.png", "TB_N3_Melee.png", "TB_N3_Ranged.png",
         "TB_N3_Q.png", "TB_N3_E.png", "TB_T_Caltrops.png", "TB_T_SmokeBomb.png", "TB_T_StickyTARP.png",
         "TB_T_FlashBang.png"},
        Square);
    Add(r, "DeathBoard/",
        {"n1ranged.png", "n1q.png", "n1melee.png", "n1e.png", "caltrop.png", "n2melee.png", "n2ranged.png",
         "n2e.png", "n2q.png", "n3melee.png", "n3ranged.png", "n3q.png", "n3e.png", "Unknown.png"},
        Square);
    Add(r, "Ninjas/",
        {"ninja1.png", "ninja2.png", "ninja3.png", "pickChara.png", "Ninja1Shape.png", "Ninja2Shape.png",
         "Ninja3Shape.png"},
        Square);
    Add(r, "Particles/",
        {"smokeParticle_texture.png", "fireSparkParticle.png", "greenLeafParticle_texture.png",
         "sakuraLeafParticle_texture.png", "AcerPlamatumLeafParticle.png", "Particle_Sparkle.png",
         "WorldDustParticle.png", "FireFlies.png", "BubbleParticle.png", "BloodParticle.png",
         "HealingSparkle.png", "ShieldParticle.png", "flashbang_texture.png"},
        Square);
    Add(r, "Particles/", {"FireParticle.png"}, Additive);
    Add(r, "Particles/", {"ShadowShapeTexture.png", "SuddenDeathTexture.png"}, SeamlessU);
    Add(r, "Particles/", {"ShieldOverlay3.png"}, Aspect, 90, 140);
    Add(r, "Particles/", {"Trail.png", "Flash.png", "StealthOverlay.png", "GrassFoil.png"}, Any);
    Add(r, "", {"blanknormalmap_50.png"}, Square);
    return r;
}

std::vector<PictureArea> MakeAreas() {
    using namespace LobbyPlaces;
    std::vector<PictureArea> areas;
    const auto add = [&](const char* file, const std::string& what, AreaNeed need, const Placement& picture,
                         const Rect& r) {
        areas.push_back({std::string("2DTextures/GUI/") + file, what, need, picture.width, picture.height,
                         r.x0, r.y0, r.x1, r.y1});
    };
    for (const KeyLabel& key : kAbilityKeys) {
        add("abilitybarLobby.png", std::string("the key label ") + key.text, AreaNeed::Light, kAbilityBar,
            LabelIn(kAbilityBar, key));
    }
    add("lobby_bg.png", std::string("the key label ") + kToolKey.text, AreaNeed::Light, kPageBackground,
        LabelIn(kPageBackground, kToolKey));
    // A panel's rim and rounded corners lie within 24 drawn pixels of its edges and may be bright.
    constexpr float kRim = 24.0f;
    for (const bool red : {true, false}) {
        const Placement& panel = red ? kRedPanel : kBluePanel;
        const Rect rows = RowsIn(red);
        add(red ? "redTeamLobby.png" : "blueTeamLobby.png", "the team's player rows", AreaNeed::Quiet, panel,
            {std::max(rows.x0, kRim), std::max(rows.y0, kRim), std::min(rows.x1, panel.width - kRim),
             std::min(rows.y1, panel.height - kRim)});
    }
    return areas;
}

}  // namespace

const std::vector<PictureArea>& OverdrawnAreas() {
    static const std::vector<PictureArea> areas = MakeAreas();
    return areas;
}

const std::vector<PictureRule>& RequiredPictures() {
    static const std::vector<PictureRule> rules = MakePictures();
    return rules;
}

const std::vector<SoundRule>& RequiredSounds() {
    static const std::vector<SoundRule> rules = [] {
        std::vector<SoundRule> r;
        for (const char* file : {"KunaiThrow",
                                 "KunaiHitObjects",
                                 "KunaiHit",
                                 "AirCut",
                                 "Whip",
                                 "WhipRotate",
                                 "WhipHit",
                                 "KatanaHit",
                                 "DashWoosh",
                                 "ShurikenThrow",
                                 "ShurikenHit",
                                 "ShurikenHitObjects",
                                 "MegaShurikenHit",
                                 "MegaShurikenHitObjects",
                                 "SmokeBomb",
                                 "Naginata",
                                 "NaginataSlash",
                                 "NaginataHit",
                                 "VolleyThrow",
                                 "VolleyHit",
                                 "Bubble",
                                 "DeathMale",
                                 "DeathFemale",
                                 "MaleHurt",
                                 "FemaleHurt",
                                 "RuneShieldSpawn",
                                 "RuneShieldPickup",
                                 "RuneHealSpawn",
                                 "RuneHealPickup",
                                 "RuneInvisibilitySpawn",
                                 "RuneInvisibilityPickup"}) {
            r.push_back({std::string("Sound/") + file + ".wav", 1, false});
        }
        // Positioned sounds that play in a loop.
        for (const char* file :
             {"Fire", "Bird", "StepsOnLeaves", "RuneShield", "RuneHeal", "RuneInvisibility"}) {
            r.push_back({std::string("Sound/") + file + ".wav", 1, true});
        }
        // Not positioned: any channel count the mixer takes; stereo here.
        r.push_back({"Sound/Wind.wav", 2, true});
        r.push_back({"Sound/CountdownBeep.wav", 2, false});
        r.push_back({"Sound/CountdownGong.wav", 2, false});
        r.push_back({"Sound/BG_music2.wav", 2, true});
        return r;
    }();
    return rules;
}

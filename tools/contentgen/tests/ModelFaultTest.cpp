// The model checks catch the faults that would break the game: each case spoils one thing in an otherwise
// good model and expects the check to name it, while the unspoilt ones pass.
#include <gtest/gtest.h>

#include <functional>

#include "FaultFindings.h"
#include "ScratchFolder.h"
#include "check/ModelCheck.h"
#include "ninjas/Ninjas.h"
#include "props/BigBird.h"
#include "props/Props.h"
#include "shared/ModelWriter.h"

namespace {

JointNode* FindNode(JointNode& node, const std::string& name) {
    if (node.name == name) {
        return &node;
    }
    for (JointNode& child : node.children) {
        if (JointNode* found = FindNode(child, name)) {
            return found;
        }
    }
    return nullptr;
}

ModelAnimation& Clip(ModelFileData& model, const std::string& name) {
    for (ModelAnimation& a : model.animations) {
        if (a.name == name) {
            return a;
        }
    }
    ADD_FAILURE() << "no clip " << name;
    return model.animations.front();
}

// Sets a joint's rotation or offset in every frame of a clip.
void EditJoint(ModelAnimation& clip, const std::string& joint, const std::function<void(JointNode&)>& edit) {
    for (JointNode& frame : clip.frames) {
        if (JointNode* node = FindNode(frame, joint)) {
            edit(*node);
        }
    }
}

int JointIndex(const ModelFileData& model, const std::string& name) {
    int index = 0;
    std::function<bool(const JointNode&)> walk = [&](const JointNode& node) {
        if (node.name == name) {
            return true;
        }
        ++index;
        for (const JointNode& child : node.children) {
            if (walk(child)) {
                return true;
            }
        }
        return false;
    };
    return walk(model.animations.front().frames.front()) ? index : -1;
}

const ModelFileData& Tessen() {
    static const ModelFileData model = BuildTessenNinja();
    return model;
}

// Writes the model, loads it with the game's loader and checks it under the rule of its file name.
std::vector<std::string> CheckModelFile(const std::string& fileName, const ModelFileData& model) {
    ScratchFolder folder;
    const std::string path = (folder.Path() / fileName).string();
    std::string error;
    EXPECT_TRUE(SaveModelFile(path, model, error)) << error;
    InspectedModel loaded;
    EXPECT_TRUE(loaded.LoadModel(path));
    Problems problems;
    CheckModel(fileName, loaded, RuleFor(fileName), problems);
    return problems.List();
}

struct ModelCase {
    const char* fault;
    const char* fileName;
    std::function<ModelFileData()> make;
    const char* expected;  // nullptr: the model passes
};

}  // namespace

TEST(SelfCheckFaults, ModelFaultsAreNamed) {
    const auto tessen = [](const std::function<void(ModelFileData&)>& spoil) {
        return [spoil] {
            ModelFileData model = Tessen();
            spoil(model);
            return model;
        };
    };
    const std::vector<ModelCase> cases = {
        {"a good ninja", "Ninja2Shape.ZMD", [] { return Tessen(); }, nullptr},
        {"a good projectile", "shurikenShape.ZMD", &BuildShuriken, nullptr},
        {"a good rune", "lotus_Shape.ZMD", &BuildLotus, nullptr},
        {"a good level prop", "BigBirdShape.ZMD", &BuildBigBird, nullptr},
        {"a projectile without boxes", "shurikenShape.ZMD",
         [] {
             ModelFileData m = BuildShuriken();
             m.boxes.clear();
             return m;
         },
         "never hits"},
        {"a rune box out of reach", "lotus_Shape.ZMD",
         [] {
             ModelFileData m = BuildLotus();
             m.boxes = {MakeCollisionBox({0.0f, 5.0f, 0.0f}, {0.7f, 0.5f, 0.7f})};
             return m;
         },
         "picked up"},
        {"a floating body box", "Ninja2Shape.ZMD", tessen([](ModelFileData& m) {
             m.boxes = {MakeCollisionBox({0.0f, 2.0f, 0.0f}, {0.5f, 1.0f, 0.5f})};
         }),
         "from the ground"},
        {"a triangle turned inside out", "CrateShape.ZMD",
         [] {
             ModelFileData m = BuildCrate();
             std::swap(m.vertices[1].position, m.vertices[2].position);
             return m;
         },
         "clockwise"},
        {"a normal of the wrong length", "CrateShape.ZMD",
         [] {
             ModelFileData m = BuildCrate();
             m.vertices[4].normal = Float3{2.0f * m.vertices[4].normal.x, 2.0f * m.vertices[4].normal.y,
                                           2.0f * m.vertices[4].normal.z};
             return m;
         },
         "unit normal"},
        {"a circle marker of twice the size", "Marker_CircleShape.ZMD",
         [] {
             ModelFileData m = BuildCircleMarker();
             for (Vertex& v : m.vertices) {
                 v.position.x *= 2.0f;
                 v.position.z *= 2.0f;
             }
             return m;
         },
         "size or direction"},
        {"a kunai pointing backwards", "KunaiShape.ZMD",
         [] {
             ModelFileData m = BuildKunai();
             for (Vertex& v : m.vertices) {
                 v.position.z = -v.position.z;
                 v.position.x = -v.position.x;
                 v.normal.z = -v.normal.z;
                 v.normal.x = -v.normal.x;
                 v.tangent.z = -v.tangent.z;
                 v.tangent.x = -v.tangent.x;
             }
             return m;
         },
         "size or direction"},
        {"a skinned mesh where a static one belongs", "TreeShape.ZMD", &BuildBigBird, "must be static"},
        {"a missing clip", "Ninja2Shape.ZMD", tessen([](ModelFileData& m) { Clip(m, "Turn").name = "Spin"; }),
         "\"Turn\" is missing"},
        {"a clip of one frame", "Ninja2Shape.ZMD", tessen([](ModelFileData& m) {
             Clip(m, "IdleA").frameCount = 1;
             Clip(m, "IdleA").frames.clear();
         }),
         "frame count of at least 2"},
        {"too many joints", "Ninja2Shape.ZMD", tessen([](ModelFileData& m) {
             for (ModelAnimation& a : m.animations) {
                 a.jointCount = 31;
                 a.joints.resize(31);
             }
         }),
         "at most 30"},
        {"a lower clip turning an arm", "Ninja2Shape.ZMD", tessen([](ModelFileData& m) {
             EditJoint(Clip(m, "RunF"), "ShoulderR", [](JointNode& n) {
                 n.rotation = Float4{0.3f, 0.0f, 0.0f, 0.954f};
             });
         }),
         "lower clip \"RunF\" moves ShoulderR"},
        {"an upper clip stretching a bone", "Ninja2Shape.ZMD", tessen([](ModelFileData& m) {
             EditJoint(Clip(m, "IdleA"), "ElbowR", [](JointNode& n) { n.translation.y *= 1.5f; });
         }),
         "ElbowR (offset)"},
        {"knees bending backwards", "Ninja2Shape.ZMD", tessen([](ModelFileData& m) {
             for (const char* knee : {"KneeR", "KneeL"}) {
                 EditJoint(Clip(m, "RunF"), knee, [](JointNode& n) {
                     n.rotation.x = -n.rotation.x;
                     n.rotation.y = -n.rotation.y;
                     n.rotation.z = -n.rotation.z;
                 });
             }
         }),
         "a knee bends backwards"},
        {"feet above the ground", "Ninja2Shape.ZMD", tessen([](ModelFileData& m) {
             EditJoint(Clip(m, "RunF"), "Hip", [](JointNode& n) { n.translation.y += 0.3f; });
         }),
         "feet leave the ground"},
        {"a wrong inverse bind matrix", "Ninja2Shape.ZMD",
         tessen([](ModelFileData& m) { m.animations.front().joints[5].inverseBindPose.m[3][1] += 0.3f; }),
         "inverse bind"},
        {"weights that do not sum to one", "Ninja2Shape.ZMD",
         tessen([](ModelFileData& m) { m.animatedVertices[0].weights[0] = 0.5f; }), "skin weights"},
        {"a chain vertex pulled by the hand", "Ninja2Shape.ZMD", tessen([](ModelFileData& m) {
             const int chain = JointIndex(m, "Surujin9");
             for (VertexAnimated& v : m.animatedVertices) {
                 if (v.boneIndices[0] == chain) {
                     v.weights[0] = 0.5f;
                     v.weights[1] = 0.5f;
                     v.boneIndices[1] = static_cast<std::uint8_t>(JointIndex(m, "HandL"));
                     break;
                 }
             }
         }),
         "bound both to the whip chain"},
        {"a clip that stands still", "Ninja2Shape.ZMD", tessen([](ModelFileData& m) {
             ModelAnimation& idle = Clip(m, "IdleA");
             for (JointNode& frame : idle.frames) {
                 frame = idle.frames.front();
             }
         }),
         "\"IdleA\" does not move"},
        {"a melee longer than its cooldown", "Ninja2Shape.ZMD", tessen([](ModelFileData& m) {
             ModelAnimation& melee = Clip(m, "Melee");
             const std::vector<JointNode> again(melee.frames.begin(), melee.frames.begin() + 4);
             melee.frames.insert(melee.frames.end(), again.begin(), again.end());
             melee.frameCount = static_cast<std::int32_t>(melee.frames.size()) + 1;
         }),
         "longer than the melee's cooldown"},
        {"a death that stays standing", "Ninja2Shape.ZMD", tessen([](ModelFileData& m) {
             ModelAnimation standing = Clip(m, "IdleL");
             standing.name = "DeadL";
             Clip(m, "DeadL") = standing;
         }),
         "body on the ground"},
        {"a whip lash that keeps the whip in", "Ninja2Shape.ZMD", tessen([](ModelFileData& m) {
             ModelAnimation idle = Clip(m, "IdleA");
             idle.name = "Range";
             Clip(m, "Range") = idle;
         }),
         "whip should reach out during \"Range\""},
        {"the Tessen ninja without a whip", "Ninja2Shape.ZMD", &BuildKatanaNinja, "needs the whip chain"},
        {"a prop whose two layers turn one joint", "BigBirdShape.ZMD",
         [] {
             ModelFileData m = BuildBigBird();
             EditJoint(m.animations[1], "WingR", [](JointNode& n) {
                 n.rotation = Float4{0.0f, 0.3f, 0.0f, 0.954f};
             });
             return m;
         },
         "both animation layers turn the joint \"WingR\""},
    };
    for (const ModelCase& c : cases) {
        const std::vector<std::string> problems = CheckModelFile(c.fileName, c.make());
        if (c.expected == nullptr) {
            EXPECT_TRUE(problems.empty()) << c.fault << ":" << Joined(problems);
        } else {
            EXPECT_TRUE(Mentions(problems, c.expected))
                << c.fault << ", expected \"" << c.expected << "\", got:" << Joined(problems);
        }
    }
}

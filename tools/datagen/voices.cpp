// Everything Bafo says. One line per recording: the file and the words.
#include "audio.h"
#include "datagen.h"

namespace datagen {

namespace {

struct Line {
    const char* path;
    const char* text;
};

// Short, warm sentences a three-year-old can follow; every recording must
// stay within 1..8 s once slowed down for the character.
const Line kLines[] = {
    {"BAFO_CS/REC/UVOD.WAV", "Привет! Я Бафо. Выбери шарик, и мы поиграем!"},
    {"BAFO_CS/REC/KONEC.WAV",
     "Ты уходишь? Нажми на зелёную галочку. Остаёшься? Нажми на красный крестик."},
    {"BAFO_CS/REC/15.WAV",
     "Нажми на картинку. Потом двигай квадратики, пока картинка не сложится!"},
    {"BAFO_CS/REC/PEXESO.WAV", "Переверни две карточки. Найди две одинаковые картинки!"},
    {"BAFO_CS/REC/PUZZLE.WAV", "Нажми на картинку. Потом перетащи кусочки на их места, и картинка сложится!"},
    {"BAFO_CS/REC/TETRIS.WAV", "Нажми на чёрное окошко. Двигай стрелками падающий кусочек на его место!"},
    {"BAFO_CS/REC/KOSTKY.WAV", "Нажми на картинку. Потом нажимай на краешки кубиков, пока картинка не сложится!"},
    {"BAFO_CS/REC/MOZAIKA.WAV", "Нажми на серую картинку. Неси каждый цветной кусочек на его место!"},
    {"BAFO_CS/REC/HUDBA/01.WAV", "Сначала нажми на пластинку. Потом я запишу на неё твою песенку!"},
    {"BAFO_CS/REC/HUDBA/02A.WAV", "Тут уже есть песенка. Записать новую? Тогда нажми на зелёную галочку!"},
    {"BAFO_CS/REC/HUDBA/03.WAV", "Сначала выбери пластинку, а потом брось монетку!"},
    {"BAFO_CS/REC/HUDBA/04.WAV", "На этой пластинке ещё нет песенки. Сначала запиши песенку!"},
    {"BAFO_CS/REC/HUDBA/05.WAV", "Сначала нажми на пластинку, с которой хочешь стереть песенку."},
    {"BAFO_CS/REC/HUDBA/06A.WAV", "Стереть песенку с этой пластинки? Тогда нажми на зелёную галочку!"},
    {"BAFO_CS/REC/OMALKY/06A.WAV", "Стереть всё и начать на чистом листе? Тогда нажми на зелёную галочку!"},
    {"BAFO_CS/REC/OMALKY/01.WAV", "Сначала выбери рамочку, куда положить твою картинку!"},
    {"BAFO_CS/REC/OMALKY/02A.WAV", "Тут уже есть картинка. Поменять её на новую? Тогда нажми на зелёную галочку!"},
    {"BAFO_CS/REC/OMALKY/03A.WAV",
     "Открыть эту картинку вместо той, что на мольберте? Тогда нажми на зелёную галочку!"},
    {"BAFO_CS/REC/OMALKY/04.WAV", "Сначала выбери картинку, которую хочешь открыть."},
    {"BAFO_CS/REC/OMALKY/05_2.WAV", "Эта рамочка ещё пустая. Выбери рамочку с картинкой!"},
    {"BAFO_CS/REC/OMALKY/07.WAV", "Сначала выбери картинку, которую хочешь напечатать."},
    {"BAFO_CS/REC/OBLEKANI.WAV",
     "Нажимай на мою голову, живот и лапки, и я наряжусь! А в комнате прячутся сюрпризы."},
};

constexpr int kMinMs = 1000, kMaxMs = 8000;

}  // namespace

Generator gen_voices()
{
    Generator g;
    g.name = "voices";
    g.run = [](const std::filesystem::path& root) {
        std::vector<std::string> texts;
        for (const auto& l : kLines)
            texts.push_back(l.text);
        auto sounds = audio::speak(texts);
        for (size_t i = 0; i < sounds.size(); ++i) {
            audio::normalise(sounds[i], audio::Level::Voice);
            audio::write(root / kLines[i].path, sounds[i]);
        }
    };
    g.expect = [](std::vector<Expect>& out) {
        for (const auto& l : kLines) {
            Expect e;
            e.path = l.path;
            e.kind = Expect::Kind::Wave;
            e.min_ms = kMinMs;
            e.max_ms = kMaxMs;
            out.push_back(e);
        }
    };
    return g;
}

static const Registered registered{gen_voices};

}  // namespace datagen

#include "archives/controller_state.h"

namespace {

constexpr std::array<int, 2> StatusWords = {12, 16};
constexpr int TimeAt = 3;

ColouredText normalOr(bool normal, const QString& otherwise)
{
    return normal ? ColouredText{QStringLiteral("Норма"), CellColour::Black} : ColouredText{otherwise, CellColour::Red};
}

} // namespace

void AbnormalFlags::putWordsInOrder(std::span<std::uint8_t> flags, std::uint8_t controllerByteOrder)
{
    if (controllerByteOrder != 0 || flags.size() < Size)
        return;
    for (const int word : StatusWords)
        std::swap(flags[static_cast<std::size_t>(word)], flags[static_cast<std::size_t>(word) + 1]);
}

QString AbnormalFlags::changeTime(std::span<const std::uint8_t> flags)
{
    const auto two = [&](int at) {
        const int value = static_cast<std::size_t>(at) < flags.size() ? flags[static_cast<std::size_t>(at)] : 0;
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    };
    return QStringLiteral("%1.%2.%3  %4:%5:%6")
        .arg(two(2), two(1), two(0), two(TimeAt), two(TimeAt + 1), two(TimeAt + 2));
}

ColouredText flagCell(std::uint8_t flag)
{
    return normalOr(flag == 0, QStringLiteral("Есть"));
}

ColouredText linkCell(std::uint8_t link)
{
    return normalOr(link != 0, QStringLiteral("Связи нет"));
}

QString functionCell(std::uint8_t possible)
{
    return possible != 0 ? QStringLiteral("Возможно") : QStringLiteral("Невозможно");
}

QStringList functionRowLabels()
{
    return {QStringLiteral(" Автоматический переход на зимнее/летнее время"),
            QStringLiteral(" Обмен данными с вычислителями расхода газа (РГ)")};
}

ColouredText FlowComputerExchange::link(int index) const
{
    return block_.at(static_cast<std::size_t>(MaxCount + index)) != 0
               ? ColouredText{QStringLiteral("Есть"), CellColour::Black}
               : ColouredText{QStringLiteral("Нет"), CellColour::Red};
}

ColouredText FlowComputerExchange::writing(int index) const
{
    return block_.at(static_cast<std::size_t>(2 * MaxCount + index)) != 0
               ? ColouredText{QStringLiteral("Записываются"), CellColour::Black}
               : ColouredText{QStringLiteral("Не записываются"), CellColour::Red};
}

QStringList legendLines(std::uint8_t fractionKind)
{
    QStringList parameters{
        QStringLiteral(" PV1  - Суммарная молярная доля гексана и б.т.с."),
        QStringLiteral(" PV2  - Молярная доля пропана (C3H8)"),
        QStringLiteral(" PV3  - Молярная доля и-бутана (i-C4H10)"),
        QStringLiteral(" PV4  - Молярная доля н-бутана (n-C4H10)"),
        QStringLiteral(" PV5  - Молярная доля нео-пентана (C5H12)"),
        QStringLiteral(" PV6  - Молярная доля и-пентана (i-C5H12)"),
        QStringLiteral(" PV7  - Молярная доля  н-пентана (n-C5H12)"),
        QStringLiteral(" PV8  - Молярная доля азота (N2)"),
        QStringLiteral(" PV9  - Молярная доля метана (CH4)"),
        QStringLiteral(" PV10 - Молярная доля диоксида углерода (CO2)"),
        QStringLiteral(" PV11 - Молярная доля  этана (C2H6)"),
        QStringLiteral(" PV12 - Удельная Тсг высшая <реального газа>"),
        QStringLiteral(" PV13 - Хроматографическая  плотность при 20°"),
        QStringLiteral(" PV14 - Число Воббе высшее при 20°С и 101,325 кПа"),
        QStringLiteral(" PV15 - Фактор сжимаемости"),
        QStringLiteral(" PV16 - Сумма молярных долей всех компонентов"),
        QStringLiteral(" PV17 - Температура газа"),
        QStringLiteral(" PV18 - Молярная доля кислорода (О2)"),
        QStringLiteral(" PV19 - Удельная Тсг низшая <реального газа>"),
        QStringLiteral(" PV20 - Относительная плотность <реального газа>"),
    };
    if (fractionKind == 1) {
        parameters.replaceInStrings(QStringLiteral("Суммарная молярная доля"),
                                    QStringLiteral("Суммарная объемная доля"));
        parameters.replaceInStrings(QStringLiteral("Молярная доля"), QStringLiteral("Объемная доля"));
        parameters.replaceInStrings(QStringLiteral("Сумма молярных долей"), QStringLiteral("Сумма объемных долей"));
    }
    return parameters + QStringList{
                            QStringLiteral(" НР   - Необходимость рассылки"),
                            QStringLiteral(" ЗН   - Зона нечувствительности"),
                            QStringLiteral(" НАУ  - Нижняя аварийная уставка"),
                            QStringLiteral(" ВАУ  - Верхняя аварийная уставка"),
                            QStringLiteral(" НПУ  - Нижняя предупредительная уставка"),
                            QStringLiteral(" ВПУ  - Верхняя предупредительная уставка"),
                            QStringLiteral(" НДП  - Нижний допускаемый предел"),
                            QStringLiteral(" ВДП  - Верхний допускаемый предел"),
                            QStringLiteral(" ЗП   - Зона параметра"),
                            QStringLiteral(" МД   - Молярная доля"),
                            QStringLiteral(" Тсг - Теплота сгорания"),
                            QStringLiteral(" V   - Объем"),
                            QStringLiteral(" РГ   - Расход газа"),
                            QStringLiteral(" ВРГ  - Вычислитель расхода газа"),
                            QStringLiteral(" т/п  - Трубопровод"),
                            QStringLiteral(" б.т.с. - Более тяжелые составляющие"),
                            QStringLiteral(" с.у. - Стандартные условия"),
                        };
}

// Writes the scheduler's reference vectors from ts-fsrs (whole days: no fuzz, no short-term steps).
// Run with `npm ci && node make-vectors.mjs > ../../tests/review/fsrs-vectors.tsv`; the committed file
// keeps CI off the network.
import { createEmptyCard, fsrs, generatorParameters, State } from "ts-fsrs";

const DAY_MS = 24 * 60 * 60 * 1000;
// Noon UTC: ts-fsrs counts elapsed days between UTC dates, so noon keeps every day whole.
const dateOf = (day) => new Date(day * DAY_MS + DAY_MS / 2);
const dayOf = (date) => Math.floor(date.getTime() / DAY_MS);
const format = (day) => dateOf(day).toISOString().slice(0, 10);
const parse = (text) => dayOf(new Date(text + "T12:00:00Z"));

// A small deterministic generator, so the random walks are the same on every run.
let seed = 20;
const random = () => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return seed / 2147483648;
};

const rows = [];
// steps: [offset, rating]; offset "due" answers on the due day, "due+N"/"due-N" around it, a number
// that many days after the previous answer.
function run(name, start, steps, options = {}) {
    const params = generatorParameters({ enable_fuzz: false, enable_short_term: false, ...options });
    const scheduler = fsrs(params);
    let card = createEmptyCard(dateOf(parse(start)));
    let day = parse(start);
    let first = true;
    for (const [offset, rating] of steps) {
        if (!first) {
            if (typeof offset === "number") {
                day += offset;
            } else {
                const m = /^due([+-]\d+)?$/.exec(offset);
                // Never before the previous answer: ts-fsrs refuses a negative gap.
                day = Math.max(day, dayOf(card.due) + (m[1] ? Number(m[1]) : 0));
            }
        }
        first = false;
        const retrievability = scheduler.get_retrievability(card, dateOf(day), false);
        card = scheduler.next(card, dateOf(day), rating).card;
        if (card.state !== State.Review) throw new Error(`${name}: state ${card.state}`);
        rows.push([name, options.request_retention ?? 0.9, options.maximum_interval ?? 36500,
            options.w ? options.w.join(",") : "default", format(day), rating,
            retrievability.toFixed(8), card.stability.toFixed(8), card.difficulty.toFixed(8), format(dayOf(card.due)),
            card.reps, card.lapses].join("\t"));
    }
}

const repeat = (n, step) => Array.from({ length: n }, () => step);

for (const [rating, name] of [[1, "again"], [2, "hard"], [3, "good"], [4, "easy"]])
    run(`new-${name}`, "2024-03-01", [[0, rating], ["due", 3]]);
run("right-run", "2024-01-10", [[0, 3], ...repeat(12, ["due", 3])]);
run("easy-run", "2024-01-10", [[0, 4], ...repeat(8, ["due", 4])]);
run("wrong-run", "2024-02-01", [[0, 1], ...repeat(5, [1, 1]), ...repeat(4, ["due", 3])]);
run("lapse-and-recover", "2024-05-05", [[0, 3], ["due", 3], ["due", 3], ["due", 1], ["due", 3], ["due", 3], ["due", 1], ["due", 1], ["due", 3]]);
run("hints-as-hard", "2024-06-01", [[0, 2], ...repeat(6, ["due", 2]), ["due", 3], ["due", 2]]);
run("long-gaps", "2023-01-01", [[0, 3], [400, 3], [1000, 3], [3000, 1], [2, 3], [5000, 3]]);
run("overdue", "2024-01-01", [[0, 3], ["due+30", 3], ["due+90", 3], ["due+365", 2], ["due+200", 1], ["due+10", 3]]);
run("early", "2024-01-01", [[0, 3], ["due", 3], ["due-3", 3], ["due-10", 3], [1, 4], [1, 2], [1, 1]]);
run("same-day", "2024-04-04", [[0, 3], [0, 3], [0, 1], [1, 3], [0, 4]]);
run("year-boundary", "2023-12-31", [[0, 3], [1, 3], ["due", 3], ["due", 3]]);
run("leap-day", "2024-02-28", [[0, 4], [1, 3], [365, 3]]);
for (const retention of [0.7, 0.97]) {
    const options = { request_retention: retention };
    run(`retention-${retention}-right`, "2024-01-10", [[0, 3], ...repeat(8, ["due", 3])], options);
    run(`retention-${retention}-mixed`, "2024-01-10", [[0, 2], ["due", 1], ["due", 3], ["due+5", 2], ["due", 4], ["due-2", 1], ["due", 3]], options);
}
run("maximum-interval", "2024-01-01", [[0, 4], ...repeat(12, ["due", 4]), ["due", 3], ["due", 2], ["due", 1]]);
run("maximum-interval-short", "2024-01-01", [[0, 4], ...repeat(5, ["due", 4]), ["due", 3], ["due", 2], ["due", 1], ["due", 3]], { maximum_interval: 100 });
run("maximum-interval-retention", "2024-01-01", [[0, 3], ...repeat(10, ["due", 3])], { request_retention: 0.7, maximum_interval: 365 });
// Weights out of their ranges are clipped before use.
run("clipped-weights", "2024-01-01", [[0, 3], ["due", 1], ["due", 3], ["due", 2], ["due", 4]],
    { w: [0.0001, 150, 2.3065, 8.2956, 12, 0.8334, 3.0194, 0.9, 1.8722, 0.1666, 0.796, 1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.05] });
// Random walks: answers around the due day, ratings weighted like a learner's.
for (let walk = 0; walk < 24; ++walk) {
    const steps = [[0, 1 + Math.floor(random() * 4)]];
    for (let i = 0; i < 14; ++i) {
        const roll = random();
        const rating = roll < 0.2 ? 1 : roll < 0.35 ? 2 : roll < 0.9 ? 3 : 4;
        const shift = Math.floor(random() * 21) - 7;
        steps.push([random() < 0.1 ? Math.floor(random() * 3) : `due${shift >= 0 ? "+" : ""}${shift}`, rating]);
    }
    const retention = [0.7, 0.8, 0.9, 0.95, 0.97][walk % 5];
    run(`walk-${walk}`, format(parse("2022-01-01") + Math.floor(random() * 1000)), steps, { request_retention: retention });
}

console.log(["# From ts-fsrs " + JSON.parse((await import("node:fs")).readFileSync(
    new URL("./node_modules/ts-fsrs/package.json", import.meta.url))).version +
    " (enable_fuzz false, enable_short_term false). One answer a row; rows of a case follow one card."].join());
console.log("# case\tretention\tmaximum\tweights\tday\trating\tretrievability\tstability\tdifficulty\tdue\treps\tlapses");
for (const row of rows) console.log(row);

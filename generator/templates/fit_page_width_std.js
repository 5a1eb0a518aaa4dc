var fit_kind=fitkindvr,fit_left=psleftvr1,fit_right=psrightvr2,fit_top=pstopvr3,fit_space=prgspacevr8,fit_height=tichvr6;
var fit_designWidth=tmpv,fit_width=tmpv,fit_measured=false,fit_area=null;
var fit_previousLoad=window.onload,fit_firstMeasure=initte2;
initte2=function(){
	fit_measured=true;
	fit_firstMeasure();
};
function fit_setWidth(width){
	var ids=["enuzun","enuzun2"],prefixes=["d","dz","hgd","hgdz"],i,j,element;
	for(i=0;i<mc;i++){
		for(j=0;j<prefixes.length;j++){
			ids.push(prefixes[j]+i);
		}
	}
	for(i=0;i<ids.length;i++){
		element=document.getElementById(ids[i]);
		if(element){
			element.style.width=width+"px";
		}
	}
	tmpv=width;
	fit_width=width;
	fit_area.className=width<fit_designWidth?"fit_narrow":"";
}
function fit_message(prefix,i){
	return document.getElementById(prefix+i);
}
function fit_tops(){
	var tops=[],top=fit_top,i;
	for(i=0;i<mc;i++){
		tops.push(top);
		top=top+heightarr[i]+fit_space;
	}
	return tops;
}
function fit_measureHeights(){
	var i;
	for(i=0;i<mc;i++){
		heightarr[i]=fit_message("d",i).offsetHeight;
	}
}
function fit_measureColumn(){
	var before=fit_tops(),at=fit_top-uzuntop,anchor=-1,into=0,after,i,copy;
	for(i=0;i<mc;i++){
		if(before[i]<=at){
			anchor=i;
		}
	}
	if(anchor>=0){
		into=at-before[anchor];
	}
	fit_measureHeights();
	after=fit_tops();
	psy=new Array();
	for(i=0;i<mc;i++){
		fit_message("d",i).style.top=after[i]+"px";
		copy=fit_message("dz",i);
		if(copy){
			copy.style.top=after[i]+"px";
		}
		psy[after[i]]=3;
	}
	toplay=mc>0?after[mc-1]+heightarr[mc-1]+fit_space:fit_top;
	if(anchor>=0){
		uzuntop=fit_top-after[anchor]-Math.min(into,heightarr[anchor]+fit_space-1);
	}
	uzunobj.style.height=toplay+"px";
	uzunobj.style.top=uzuntop+"px";
	if(fit_kind==2){
		uzunobj2.style.height=toplay+"px";
		uzunobj2.style.top=((uzuntop+toplay)<fit_height?uzuntop+toplay:fit_height)+"px";
	}
}
function fit_measurePage(){
	var top=fit_top,i,message;
	fit_measureHeights();
	for(i=hidson;i<=hidsay&&i<mc;i++){
		message=fit_message("d",i);
		if(message.style.visibility=="visible"){
			message.style.top=top+"px";
			cyposarr[i]=top-fit_top;
			top=top+heightarr[i]+fit_space;
		}
	}
}
function fit_measure(){
	if(fit_kind==0||fit_kind==2){
		fit_measureColumn();
	}else if(fit_kind==3){
		fit_measurePage();
	}
}
function fit_resized(){
	var width=Math.min(fit_designWidth,Math.max(1,fit_area.clientWidth-fit_left-fit_right));
	if(width==fit_width){
		return;
	}
	fit_setWidth(width);
	if(fit_measured&&mc>0){
		fit_measureUnderStill();
	}
}
function fit_measureUnderStill(){
	var still=typeof acc_saved!="undefined"&&acc_saved!==null;
	if(still){
		acc_restore();
	}
	fit_measure();
	if(still){
		acc_layOutStill();
	}
}
function fit_addStyle(){
	var style=document.createElement("style");
	style.textContent="#spagens.fit_narrow div{overflow-wrap:break-word;word-wrap:break-word;}#spagens.fit_narrow img{max-width:100%;height:auto;}";
	document.getElementsByTagName("head")[0].appendChild(style);
}
window.onload=function(){
	if(fit_previousLoad){
		fit_previousLoad.apply(this,arguments);
	}
	fit_area=document.getElementById("spagens");
	fit_addStyle();
	fit_resized();
	window.addEventListener("resize",fit_resized,false);
};
